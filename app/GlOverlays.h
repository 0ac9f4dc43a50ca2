#pragma once

#include "app/FrameOverlays.h"

// Carries out the frame's overlays with fixed-function OpenGL.
class GlOverlays final : public FrameOverlays {
  public:
    void clearFrame() override;
    void setPointSize(int size) override;
    void gridLines(const LineBatch& lines) override;
    void axisLines(const std::vector<LineBatch>& batches) override;
    void startImage(const LogoGrid& grid, float panX, float panY, unsigned int texture) override;
    void endImage(const ImageRect& rect, unsigned int texture) override;
    void swapBuffers() override;
    void setClearColor(const Rgb& color) override;
    void disableDepthAndLighting() override;
    CellSize viewport() override;
    void setViewport(const ImageRect& area) override;
    void projection2D(int width, int height) override;
    void projection3D(const OrthoBox& box) override;
};
