#pragma once

#include "model/WindowSystem.h"

// Width and height of the current projection in its own units, from the projection matrix.
CellSize projectionCells();
