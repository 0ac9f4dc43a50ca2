#pragma once

#include <ostream>

#include "app/FrameOverlays.h"
#include "app/FrameSource.h"
#include "model/WindowSystem.h"
#include "raster2d/RasterTarget.h"

// What the application needs from the outside world.
struct AppServices {
    std::ostream& console;
    WindowSystem& window;
    RasterTarget& raster;
    FrameOverlays& overlays;
    std::ostream* errors = nullptr;  // standard error when none is given
    FrameSource* frames = nullptr;   // exports write an empty picture without one
};
