#pragma once

#include "surfaces/Render3DTarget.h"

constexpr int kMaterialCount = 8;

// The material of a "Material:" index; nullptr for any other index, which leaves the material
// in force as it was.
const Material* findMaterial(int index);
