#pragma once

#include <ostream>

#include "app/FrameOverlays.h"
#include "app/FrameSource.h"
#include "input/ViewQueries.h"
#include "model/WindowSystem.h"
#include "raster2d/RasterTarget.h"
#include "surfaces/MeshTarget.h"
#include "surfaces/Render3DTarget.h"
#include "ui/MenuSystem.h"

// What the application needs from the outside world.
struct AppServices {
    std::ostream& console;
    WindowSystem& window;
    RasterTarget& raster;
    FrameOverlays& overlays;
    Render3DTarget& render3D;
    MeshTarget& mesh;
    std::ostream* errors = nullptr;  // standard error when none is given
    FrameSource* frames = nullptr;   // exports write an empty picture without one
    MenuSystem* menus = nullptr;     // no pop-up menus without one
    ViewQueries* views = nullptr;    // a window without a mouse without one
};
