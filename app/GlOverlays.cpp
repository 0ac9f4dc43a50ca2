#include "app/GlOverlays.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

namespace {

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

void blendOn() {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void segments(const LineBatch& batch) {
    glColor3f(batch.color.r, batch.color.g, batch.color.b);
    for (const Segment2D& s : batch.segments) {
        glVertex2f(s.x1, s.y1);
        glVertex2f(s.x2, s.y2);
    }
}

}  // namespace

void GlOverlays::clearFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_TEXTURE_2D);
}

void GlOverlays::setPointSize(int size) { glPointSize(static_cast<GLfloat>(size)); }

void GlOverlays::gridLines(const LineBatch& lines) {
    glColor3f(lines.color.r, lines.color.g, lines.color.b);
    blendOn();
    glBegin(GL_LINES);
    segments(lines);
    glEnd();
}

void GlOverlays::axisLines(const std::vector<LineBatch>& batches) {
    blendOn();
    glDisable(GL_LIGHTING);
    glBegin(GL_LINES);
    for (const LineBatch& batch : batches)
        segments(batch);
    glEnd();
    glDisable(GL_BLEND);
}

void GlOverlays::startImage(const LogoGrid& grid, float panX, float panY, unsigned int texture) {
    OverlayMatrices overlay;
    glOrtho(-18.0 - panX, 18.0 - panX, -18.0 - panY, 18.0 - panY, -100.0, 100.0);
    overlay.identityModelView();
    glRotatef(15.0f, 1.0f, 1.0f, 0.0f);

    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    const int last = kLogoGridSize - 1;
    auto corner = [&grid, last](int a, int b) {
        glTexCoord2f(static_cast<float>(a) / last, static_cast<float>(b) / last);
        glVertex3fv(grid[a][b]);
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
}

void GlOverlays::endImage(const ImageRect& r, unsigned int texture) {
    const CellSize v = viewport();
    OverlayMatrices overlay;
    glDisable(GL_DEPTH_TEST);
    gluOrtho2D(0.0, v.width, 0.0, v.height);
    overlay.identityModelView();

    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2i(r.x, r.y);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2i(r.x + r.width, r.y);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2i(r.x + r.width, r.y + r.height);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2i(r.x, r.y + r.height);
    glEnd();
}

void GlOverlays::swapBuffers() { glutSwapBuffers(); }

void GlOverlays::setClearColor(const Rgb& c) { glClearColor(c.r, c.g, c.b, 1.0f); }

void GlOverlays::disableDepthAndLighting() {
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
}

CellSize GlOverlays::viewport() {
    GLint v[4] = {};
    glGetIntegerv(GL_VIEWPORT, v);
    return {v[2], v[3]};
}

void GlOverlays::setViewport(const ImageRect& a) { glViewport(a.x, a.y, a.width, a.height); }

void GlOverlays::projection2D(int width, int height) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0.0, width, 0.0, height);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void GlOverlays::projection3D(const OrthoBox& b) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(b.left, b.right, b.bottom, b.top, b.nearZ, b.farZ);
    glMatrixMode(GL_MODELVIEW);
}
