#pragma once

#include <cstdint>
#include <ostream>

#include "model/ListingPrefixes.h"
#include "model/SceneObject.h"

// The console text of one timed 2D row: label, time in the stream's default float format,
// the knot vector of a B-spline or NURBS, the line end.
void writeSpeedRow2D(std::ostream& out, const char* rowLabel, const SceneObject& object,
                     double timeMs);
