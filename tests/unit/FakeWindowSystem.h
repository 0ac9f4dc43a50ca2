#pragma once

#include <string>
#include <vector>

#include "app/FrameOverlays.h"
#include "model/WindowSystem.h"

// Records what the application asks of the window system; answers from plain fields.
class FakeWindowSystem final : public WindowSystem {
  public:
    void postRedisplay() override { ++redisplays; }
    void setCursor(Cursor c) override { cursors.push_back(c); }
    int modifiers() override { return modifierState; }
    int currentWindow() override { return current; }
    void setWindow(int id) override { current = id; }
    void reshapeWindow(int width, int height) override {
        reshapes.push_back({width, height});
        size = {width, height};
    }
    CellSize windowSize() override { return size; }
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
    CellSize size{800, 592};
    std::vector<int> exitStatuses;
};

// One word per overlay call, so a test reads a frame's order at a glance.
class FakeOverlays final : public FrameOverlays {
  public:
    void clearFrame() override { calls.push_back("clear"); }
    void setPointSize(int size) override { calls.push_back("point " + std::to_string(size)); }
    void gridLines(const LineBatch& l) override {
        calls.push_back("grid");
        grid = l;
    }
    void axisLines(const std::vector<LineBatch>&) override { calls.push_back("axes"); }
    void startImage(const LogoGrid&, float, float, unsigned int t) override {
        calls.push_back("logo " + std::to_string(t));
    }
    void endImage(const ImageRect& r, unsigned int t) override {
        calls.push_back("end " + std::to_string(t));
        endRect = r;
    }
    void swapBuffers() override { calls.push_back("swap"); }
    void setClearColor(const Rgb& c) override { clearColor = c; }
    CellSize viewport() override { return view; }
    void setViewport(const ImageRect& a) override {
        view = {a.width, a.height};
        viewportY = a.y;
    }
    void projection2D(int w, int h) override {
        calls.push_back("2D " + std::to_string(w) + "x" + std::to_string(h));
    }
    void projection3D(const OrthoBox& b) override {
        calls.push_back("3D");
        box = b;
    }

    std::vector<std::string> calls;
    CellSize view{800, 592};
    int viewportY = 0;
    LineBatch grid{};
    ImageRect endRect{};
    OrthoBox box{};
    Rgb clearColor{};
};
