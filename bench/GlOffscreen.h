#pragma once

#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "app/GlOverlays.h"
#include "raster2d/RasterTarget.h"

// An OSMesa context drawing into memory, current while it lives: the program's GL with no
// display. llvmpipe renders it as it renders the window under Xvfb.
class GlOffscreen {
  public:
    GlOffscreen(int width, int height);
    ~GlOffscreen();
    GlOffscreen(const GlOffscreen&) = delete;
    GlOffscreen& operator=(const GlOffscreen&) = delete;

    // Empty when the context is current and points drawn into it arrive in its buffer.
    const std::string& failure() const { return why; }

  private:
    void checkDrawing();

    void* context = nullptr;
    std::vector<unsigned char> pixels;
    int width;
    int height;
    std::string why;
};

// False, with the benchmark skipped for the reason, when the context could not be made.
inline bool contextReady(const GlOffscreen& context, benchmark::State& state) {
    if (!context.failure().empty()) state.SkipWithError(context.failure().c_str());
    return context.failure().empty();
}

// The program's overlays, except that a frame ends with glFinish instead of a swap: off
// screen, a frame is done when llvmpipe has drawn it.
class OffscreenOverlays final : public FrameOverlays {
  public:
    void clearFrame() override { gl.clearFrame(); }
    void setPointSize(int size) override { gl.setPointSize(size); }
    void gridLines(const LineBatch& lines) override { gl.gridLines(lines); }
    void axisLines(const std::vector<LineBatch>& batches) override { gl.axisLines(batches); }
    void startImage(const LogoGrid& grid, float panX, float panY, unsigned int texture) override {
        gl.startImage(grid, panX, panY, texture);
    }
    void endImage(const ImageRect& rect, unsigned int texture) override {
        gl.endImage(rect, texture);
    }
    void swapBuffers() override;
    void setClearColor(const Rgb& c) override { gl.setClearColor(c); }
    void disableDepthAndLighting() override { gl.disableDepthAndLighting(); }
    CellSize viewport() override { return gl.viewport(); }
    void setViewport(const ImageRect& area) override { gl.setViewport(area); }
    void projection2D(int w, int h) override { gl.projection2D(w, h); }
    void projection3D(const OrthoBox& box) override { gl.projection3D(box); }

  private:
    GlOverlays gl;
};

// The ways of sending points to GL that the emission benchmarks compare. Each draws
// GL_POINTS at z 0 in the current colour.
namespace gl_emission {
void clear();
// Waits until llvmpipe has drawn everything sent so far.
void finish();
void immediatePerPoint(const std::vector<PlottedPoint>& points);
void oneBeginBlock(const std::vector<PlottedPoint>& points);
// Consecutive runs of `span` points, each with its own colour call and draw.
void clientArray(const std::vector<PlottedPoint>& points, std::size_t span);
void bufferObject(const std::vector<PlottedPoint>& points, std::size_t span);
}  // namespace gl_emission
