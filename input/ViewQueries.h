#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "model/WindowSystem.h"

// What the mouse handlers ask of the current view: the live GL matrices in the program,
// answers set by the test otherwise.
class ViewQueries {
  public:
    struct WorldPixel {
        int x, y;
    };

    virtual ~ViewQueries() = default;
    // The 2D world pixel under the window position (y down), truncated toward zero.
    virtual WorldPixel unprojectPoint(int x, int y) = 0;
    // The index of the control point sphere under the window position, -1 for none.
    virtual int pickPoint3D(int x, int y) = 0;
};

// A window position strictly inside a view of this size, the edges left out.
inline bool insideView(CellSize view, int x, int y) {
    return 0 < x && x < view.width && 0 < y && y < view.height;
}

class FakeViewQueries final : public ViewQueries {
  public:
    WorldPixel unprojectPoint(int x, int y) override {
        asked.push_back({x, y});
        return {x, height - y};
    }
    int pickPoint3D(int x, int y) override {
        asked.push_back({x, y});
        if (drawForPick) drawForPick();
        return pick;
    }

    int height = 592;  // unprojection as a window of this height with one unit per pixel
    int pick = -1;
    std::vector<WorldPixel> asked;
    // As the real pick, which draws the scene in selection mode, when given.
    std::function<void()> drawForPick;
};

// The name of the nearest hit in a selection buffer of `hits` records of four words each
// (name count, minimum depth, maximum depth, one name): the smallest minimum depth, compared
// as unsigned, the earlier record on a tie; -1 for no hit or a buffer too short for them.
int nearestHit(const std::vector<uint32_t>& buffer, int hits);
