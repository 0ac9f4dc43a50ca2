#pragma once

#include <vector>

#include "app/FrameOverlays.h"
#include "model/AppState.h"

// The waving start image: a 45 by 45 grid whose heights travel one row every fourth frame.
void fillLogoGrid(Screens& screens);
void advanceLogo(Screens& screens);

// The overlays' geometry in window units.
LineBatch gridLines(CellSize cells, Rgb color);
std::vector<LineBatch> axisCross2D();
ImageRect endImageRect(CellSize viewport);
