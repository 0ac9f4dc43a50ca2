#pragma once

#include "input/ViewQueries.h"

// Answers from the current window's GL matrices and viewport.
class GlViewQueries final : public ViewQueries {
  public:
    WorldPixel unprojectPoint(int x, int y) override;
    // The 3D pick draws the scene in selection mode; it comes with the 3D scene pass.
    int pickPoint3D(int, int) override { return -1; }
};
