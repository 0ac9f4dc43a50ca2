#pragma once

#include <string>

#include "model/SceneObject.h"

// Appends the block of one object, or nothing when its kind has no keyword or the object
// does not yet have what its block carries.
void appendBlock2D(std::string& text, const SceneObject& object);
void appendSurfaceBlock(std::string& text, const SceneObject& surface);

// "%d" of a coordinate: truncation toward zero; values beyond the int range saturate and NaN
// gives 0, where a plain cast would be undefined.
int truncatedCoordinate(float v);
