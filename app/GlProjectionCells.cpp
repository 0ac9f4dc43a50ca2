#include "app/GlProjectionCells.h"

#include <GL/gl.h>

// Two divided by the projection's scale gives the extent of the view in its own units.
CellSize projectionCells() {
    GLfloat projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    CellSize size;
    if (projection[0] != 0.0f) size.width = static_cast<int>(2.0f / projection[0]);
    if (projection[5] != 0.0f) size.height = static_cast<int>(2.0f / projection[5]);
    return size;
}
