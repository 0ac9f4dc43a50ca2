#include "input/GlViewQueries.h"

#include <GL/glu.h>

#include <cmath>
#include <vector>

namespace {

// GL keeps the matrices in single precision: a whole number comes back up to about 1e-5
// short, and truncation alone would turn a click on pixel 350 into 349.
int truncated(double v) {
    const double whole = std::round(v);
    return static_cast<int>(std::fabs(v - whole) < 1e-3 ? whole : v);
}

}  // namespace

// GLUT's y points down and the world's up: the view's height in units, 2 over the
// projection's y scale, less the unprojected y turns one into the other.
ViewQueries::WorldPixel GlViewQueries::unprojectPoint(int x, int y) {
    GLdouble modelview[16];
    GLdouble projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLdouble wx = 0.0, wy = 0.0, wz = 0.0;
    gluUnProject(x, y, 0.0, modelview, projection, viewport, &wx, &wy, &wz);
    return {truncated(wx), truncated(2.0 / projection[5] - wy)};
}

// The scene drawn once more into a 4 by 4 pixel box around the mouse with GL counting the
// named spheres that reach it; the model-view stays as the scene pass left it.
int GlViewQueries::pickPoint3D(int x, int y) {
    if (view3D == nullptr || !drawForPick) return -1;
    constexpr std::size_t kBufferWords = 512;
    std::vector<GLuint> buffer(kBufferWords, 0);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glSelectBuffer(static_cast<GLsizei>(buffer.size()), buffer.data());

    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glRenderMode(GL_SELECT);
    glLoadIdentity();
    // GLUT's y counts down from the window's top, which is the viewport's top: the panel's
    // strip lies below the viewport, not above it.
    gluPickMatrix(x, viewport[1] + viewport[3] - y, 4.0, 4.0, viewport);
    const View3D& v = *view3D;
    glOrtho(-v.zoom - v.panX, v.zoom - v.panX, -v.zoom - v.panY, v.zoom - v.panY, -1000.0, 1000.0);
    glMatrixMode(GL_MODELVIEW);
    drawForPick();

    const GLint hits = glRenderMode(GL_RENDER);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    return nearestHit(std::vector<uint32_t>(buffer.begin(), buffer.end()), hits);
}
