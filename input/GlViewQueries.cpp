#include "input/GlViewQueries.h"

#include <GL/glu.h>

#include <cmath>

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
