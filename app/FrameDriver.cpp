#include "app/FrameDriver.h"

#include "app/StartImage.h"
#include "app/Viewport.h"

void FrameDriver::display() {
    drawFrame();
    out << std::endl;  // closes the frame's block of the speed listing
    gl.swapBuffers();
    const CellSize w = window.windowSize();
    reshape(w.width, w.height);
}

void FrameDriver::drawFrame() {
    gl.clearFrame();
    // Set once per frame: changing the point size between points is very slow on llvmpipe.
    gl.setPointSize(s.settings.pixelSize);
    if (s.mode.is3D) {
        pass3D.drawFrame3D();
        if (s.screens.exitScreen != 0) {
            drawEndImage();
            const CellSize w = window.windowSize();
            reshape(w.width, w.height);  // the 3D projection back for the next frame
        }
        return;
    }
    if (s.settings.showGrid != 0) drawGrid(0.7f, 0.7f, 0.7f);
    if (s.settings.showAxes == 1) gl.axisLines(axisCross2D());
    if (s.screens.showLogo) {
        gl.startImage(s.screens.logoGrid, s.view.panX, s.view.panY, s.textures.logoTexture);
        advanceLogo(s.screens);
        window.postRedisplay();
    } else {
        pass2D.drawScene2D();
    }
    if (s.screens.exitScreen != 0) drawEndImage();
}

void FrameDriver::drawEndImage() {
    gl.endImage(endImageRect(gl.viewport()), s.textures.endTexture);
}

void FrameDriver::reshape(int width, int height) {
    const int w = snapDown16(width);
    const int h = snapDown16(height);
    // Asking for the size the window already has would only cost a round trip per frame.
    if (w != width || h != height) window.reshapeWindow(w, h);
    s.panels.setWindowSize(w, h);
    const int bottom = s.panels.bottomStrip();
    gl.setViewport({0, bottom, w - s.panels.rightStrip(), h - bottom});
    if (s.mode.is3D) {
        const View3D& v = s.view;
        // The bounds are sums of floats, widened only when handed over.
        gl.projection3D({-v.zoom - v.panX, v.zoom - v.panX, -v.zoom - v.panY, v.zoom - v.panY,
                         -1000.0, 1000.0});
        return;
    }
    const CellSize v = gl.viewport();
    gl.projection2D(v.width, v.height);
}

void FrameDriver::drawGrid(float r, float g, float b) {
    gl.gridLines(gridLines(window.viewportCells(), {r, g, b}));
}
