#pragma once

#include <vector>

#include "model/AppState.h"
#include "model/Types.h"
#include "model/WindowSystem.h"

struct Segment2D {
    float x1, y1, x2, y2;
};

struct LineBatch {
    Rgb color;
    std::vector<Segment2D> segments;
};

struct ImageRect {
    int x, y, width, height;
};

struct OrthoBox {
    double left, right, bottom, top, nearZ, farZ;
};

// What one frame asks of the graphics system; the frame driver decides what and when.
// GL in the program, a recording fake in tests.
class FrameOverlays {
  public:
    virtual ~FrameOverlays() = default;

    // Colour and depth buffers cleared, 2D texturing off.
    virtual void clearFrame() = 0;
    virtual void setPointSize(int size) = 0;
    // Blended lines in one colour; blending stays on afterwards.
    virtual void gridLines(const LineBatch& lines) = 0;
    // Blended, unlit lines; blending off afterwards.
    virtual void axisLines(const std::vector<LineBatch>& batches) = 0;
    virtual void startImage(const LogoGrid& grid, float panX, float panY, unsigned int texture) = 0;
    virtual void endImage(const ImageRect& rect, unsigned int texture) = 0;
    virtual void swapBuffers() = 0;
    virtual void setClearColor(const Rgb& color) = 0;
    // Back to flat drawing: what the 3D mode switched on is off.
    virtual void disableDepthAndLighting() = 0;

    virtual CellSize viewport() = 0;
    // From the lower left corner of the window; the panels' strips stay outside.
    virtual void setViewport(const ImageRect& area) = 0;
    // Window pixels from the lower left corner, model-view identity.
    virtual void projection2D(int width, int height) = 0;
    // Model-view selected afterwards, not reset.
    virtual void projection3D(const OrthoBox& box) = 0;
};
