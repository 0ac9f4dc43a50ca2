#pragma once

#include <string>
#include <vector>

#include "app/WindowSystem.h"

// Records what the application asks of the window system; answers from plain fields.
class FakeWindowSystem final : public WindowSystem {
  public:
    void postRedisplay() override { ++redisplays; }
    void setCursor(Cursor c) override { cursors.push_back(c); }
    int modifiers() override { return modifierState; }
    int currentWindow() override { return current; }
    void setWindow(int id) override { current = id; }
    void reshapeWindow(int width, int height) override { reshapes.push_back({width, height}); }
    void setTitle(const char* title) override { titles.emplace_back(title); }
    CellSize viewportCells() override { return cells; }
    void exitProcess(int status) override { exitStatuses.push_back(status); }

    int redisplays = 0;
    std::vector<Cursor> cursors;
    int modifierState = 0;
    int current = 1;
    std::vector<CellSize> reshapes;
    std::vector<std::string> titles;
    CellSize cells{800, 592};
    std::vector<int> exitStatuses;
};
