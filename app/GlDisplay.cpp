#include <GL/freeglut.h>
#include <GL/glu.h>

#include "app/Application.h"
#include "app/Viewport.h"

namespace {

struct ViewportRect {
    GLint x, y, width, height;
};

ViewportRect currentViewport() {
    ViewportRect v{};
    glGetIntegerv(GL_VIEWPORT, &v.x);
    return v;
}

// Draws over the frame with a projection and model-view of its own: saves the enable state
// (lighting off) and both matrices, and gives them back when it goes out of scope.
class OverlayMatrices {
  public:
    // Leaves an identity projection selected.
    OverlayMatrices() {
        glPushAttrib(GL_ENABLE_BIT);
        glDisable(GL_LIGHTING);
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
    }
    // Once the projection is set: an identity model-view, selected.
    void identityModelView() {
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
    }
    ~OverlayMatrices() {
        glMatrixMode(GL_MODELVIEW);
        glPopMatrix();
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        glPopAttrib();
    }
    OverlayMatrices(const OverlayMatrices&) = delete;
    OverlayMatrices& operator=(const OverlayMatrices&) = delete;
};

void line(float x1, float y1, float x2, float y2) {
    glVertex2f(x1, y1);
    glVertex2f(x2, y2);
}

}  // namespace

void Application::reshape(int width, int height) {
    const int w = snapDown16(width);
    const int h = snapDown16(height);
    // Asking for the size the window already has would only cost a round trip per frame.
    if (w != width || h != height) window.reshapeWindow(w, h);
    glViewport(0, 0, w, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (is3D) {
        glOrtho(-zoom - panX, zoom - panX, -zoom - panY, zoom - panY, -1000.0, 1000.0);
        glMatrixMode(GL_MODELVIEW);
        return;
    }
    const ViewportRect v = currentViewport();
    gluOrtho2D(0.0, v.width, 0.0, v.height);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void Application::drawGrid(float r, float g, float b) {
    const CellSize cells = viewportCells();
    glColor3f(r, g, b);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBegin(GL_LINES);
    for (int y = 0; y < cells.height; y += 10) {
        line(0.0f, static_cast<float>(y), static_cast<float>(cells.width), static_cast<float>(y));
    }
    for (int x = 0; x < cells.width; x += 10) {
        line(static_cast<float>(x), 0.0f, static_cast<float>(x), static_cast<float>(cells.height));
    }
    glEnd();
}

namespace {

void drawAxisCross2D() {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_LIGHTING);
    glBegin(GL_LINES);
    glColor3f(1.0f, 0.0f, 0.0f);
    line(10, 10, 60, 10);
    line(60, 15, 50, 28);  // X
    line(60, 28, 50, 15);
    glColor3f(0.0f, 1.0f, 0.0f);
    line(10, 10, 10, 60);
    line(15, 60, 20, 51);  // Y
    line(25, 60, 20, 51);
    line(20, 51, 20, 43);
    glEnd();
    glDisable(GL_BLEND);
}

}  // namespace

void Application::display() {
    drawFrame();
    out << std::endl;  // closes the frame's block of the speed listing
    glutSwapBuffers();
    const ViewportRect v = currentViewport();
    reshape(v.width, v.height);
}

void Application::drawFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_TEXTURE_2D);
    // Set once per frame: changing the point size between points is very slow on llvmpipe.
    glPointSize(static_cast<GLfloat>(pixelSize));
    if (!is3D) {
        if (showGrid != 0) drawGrid(0.7f, 0.7f, 0.7f);
        if (showAxes == 1) drawAxisCross2D();
        if (showLogo) {
            drawStartImage();
            window.postRedisplay();
        } else {
            drawScene2D();
        }
    }
    if (exitScreen != 0) drawEndImage();
}

void Application::drawStartImage() {
    OverlayMatrices overlay;
    glOrtho(-18.0 - panX, 18.0 - panX, -18.0 - panY, 18.0 - panY, -100.0, 100.0);
    overlay.identityModelView();
    glRotatef(15.0f, 1.0f, 1.0f, 0.0f);

    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, logoTexture);
    glBegin(GL_QUADS);
    const int last = kLogoGridSize - 1;
    auto corner = [this, last](int a, int b) {
        glTexCoord2f(static_cast<float>(a) / last, static_cast<float>(b) / last);
        glVertex3fv(logoGrid[a][b]);
    };
    for (int i = 0; i < last; ++i) {
        for (int j = 0; j < last; ++j) {
            corner(i, j);
            corner(i, j + 1);
            corner(i + 1, j + 1);
            corner(i + 1, j);
        }
    }
    glEnd();
    advanceLogo();
}

void Application::drawEndImage() {
    const ViewportRect v = currentViewport();
    const int x0 = v.width / 2 - 150;
    const int y0 = v.height / 2 - 45;
    OverlayMatrices overlay;
    glDisable(GL_DEPTH_TEST);
    gluOrtho2D(0.0, v.width, 0.0, v.height);
    overlay.identityModelView();

    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, endTexture);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2i(x0, y0);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2i(x0 + 157, y0);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2i(x0 + 157, y0 + 91);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2i(x0, y0 + 91);
    glEnd();
}
