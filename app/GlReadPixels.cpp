#include "app/GlReadPixels.h"

#include <GL/gl.h>

// The frame has no padding between rows; the caller's pack alignment is given back.
void readRgbPixels(RgbFrame& frame) {
    GLint packAlignment = 4;
    glGetIntegerv(GL_PACK_ALIGNMENT, &packAlignment);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    const RgbPixels p = frame.pixels();
    glReadPixels(0, 0, p.width, p.height, GL_RGB, GL_UNSIGNED_BYTE, frame.data());
    glPixelStorei(GL_PACK_ALIGNMENT, packAlignment);
}
