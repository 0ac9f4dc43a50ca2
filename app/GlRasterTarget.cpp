#include "app/GlRasterTarget.h"

#include <GL/gl.h>

void GlRasterTarget::setColor(float r, float g, float b) { glColor3f(r, g, b); }

void GlRasterTarget::plot(float x, float y) {
    glBegin(GL_POINTS);
    glVertex3f(x, y, 0.0f);
    glEnd();
}
