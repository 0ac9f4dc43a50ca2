#include "app/GlOffscreenWindow.h"

#include <GL/osmesa.h>

#include <cstdlib>

#include "app/GlProjectionCells.h"
#include "app/GlReadPixels.h"

GlOffscreenWindow::~GlOffscreenWindow() {
    if (context != nullptr) OSMesaDestroyContext(context);
}

// RGB, a depth buffer and no stencil, as the window's display mode asks.
bool GlOffscreenWindow::open(int width, int height, Rgb clearColor) {
    context = OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr);
    if (context == nullptr || !bindBuffer(width, height)) return false;
    glClearColor(clearColor.r, clearColor.g, clearColor.b, 1.0f);
    return true;
}

bool GlOffscreenWindow::bindBuffer(int width, int height) {
    rgba.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4, 0);
    bufferWidth = width;
    bufferHeight = height;
    return OSMesaMakeCurrent(context, rgba.data(), GL_UNSIGNED_BYTE, width, height) == GL_TRUE;
}

void GlOffscreenWindow::finish() { glFinish(); }

void GlOffscreenWindow::reshapeWindow(int width, int height) {
    if (width > 0 && height > 0) bindBuffer(width, height);
}

CellSize GlOffscreenWindow::viewportCells() { return projectionCells(); }

void GlOffscreenWindow::exitProcess(int status) { std::exit(status); }

bool GlOffscreenWindow::readFrame(RgbFrame& frame) {
    if (!frame.allocate(bufferWidth, bufferHeight)) return false;
    glFinish();
    readRgbPixels(frame);
    return true;
}
