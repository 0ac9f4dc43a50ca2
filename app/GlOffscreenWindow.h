#pragma once

#include <cstdint>
#include <vector>

#include "app/FrameSource.h"
#include "model/Types.h"
#include "model/WindowSystem.h"

struct osmesa_context;

// The window of a run without a screen: an OSMesa context that draws into memory with the
// same OpenGL as the window. Like the GLUT window it takes the size a reshape asks for, and
// exports read what it holds.
class GlOffscreenWindow final : public WindowSystem, public FrameSource {
  public:
    GlOffscreenWindow() = default;
    ~GlOffscreenWindow() override;
    GlOffscreenWindow(const GlOffscreenWindow&) = delete;
    GlOffscreenWindow& operator=(const GlOffscreenWindow&) = delete;

    // The context made current on a buffer of that size; false when OSMesa gives none.
    bool open(int width, int height, Rgb clearColor);
    // Returns once the drawing sent so far is in the buffer.
    void finish();

    // Nothing waits for a next frame, a cursor, a title or keys without a screen.
    void postRedisplay() override {}
    void setCursor(Cursor) override {}
    int modifiers() override { return 0; }
    int currentWindow() override { return kWindowId; }
    void setWindow(int) override {}
    void reshapeWindow(int width, int height) override;
    CellSize windowSize() override { return {bufferWidth, bufferHeight}; }
    void setTitle(const char*) override {}
    CellSize viewportCells() override;
    void exitProcess(int status) override;

    bool readFrame(RgbFrame& frame) override;

  private:
    static constexpr int kWindowId = 1;
    bool bindBuffer(int width, int height);

    osmesa_context* context = nullptr;
    std::vector<uint8_t> rgba;
    int bufferWidth = 0;
    int bufferHeight = 0;
};
