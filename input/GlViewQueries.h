#pragma once

#include <functional>

#include "input/ViewQueries.h"
#include "model/AppState.h"

// Answers from the current window's GL matrices and viewport.
class GlViewQueries final : public ViewQueries {
  public:
    WorldPixel unprojectPoint(int x, int y) override;
    // -1 until the 3D view and its selection-mode scene draw are given.
    int pickPoint3D(int x, int y) override;

    // The 3D box the pick reproduces, and the draw that names the control point spheres
    // (the 3D scene in selection mode).
    void pickScene(const View3D& view, std::function<void()> drawSelection) {
        view3D = &view;
        drawForPick = std::move(drawSelection);
    }

  private:
    const View3D* view3D = nullptr;
    std::function<void()> drawForPick;
};
