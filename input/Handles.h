#pragma once

#include <cstddef>

#include "input/ViewQueries.h"
#include "model/SceneObject.h"

// Circles and ellipses are edited through handles: point 0 is the centre, point 1 stands at
// the radius or the semi-axes from it, and the general ellipse's point 2 at its angle.

// Puts every handle where the centre and the sizes say; false for a kind without handles.
bool placeHandles(SceneObject& object);
// Moves point k to p. A centre takes its handles along; a handle sets the size it shows.
void dragPoint(SceneObject& object, std::size_t k, ViewQueries::WorldPixel p);
