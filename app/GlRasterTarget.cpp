#include "app/GlRasterTarget.h"

#include <GL/gl.h>

namespace {

bool sameColor(const Rgb& a, const Rgb& b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

}  // namespace

void GlRasterTarget::drawSpans(const PlottedPoint* points, const PixelSpan* runs,
                               std::size_t count) {
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(2, GL_FLOAT, sizeof(PlottedPoint), points);
    // Consecutive spans in the colour already set share one draw: a draw call costs llvmpipe
    // microseconds, and a chord opens its span in the colour of the curve around it.
    std::size_t i = 0;
    while (i < count) {
        const Rgb color = runs[i].color;
        if (runs[i].setsColor) glColor3f(color.r, color.g, color.b);
        const std::size_t first = runs[i].first;
        std::size_t n = runs[i].count;
        for (++i; i < count && (!runs[i].setsColor || sameColor(runs[i].color, color)); ++i)
            n += runs[i].count;
        if (n > 0) glDrawArrays(GL_POINTS, static_cast<GLint>(first), static_cast<GLsizei>(n));
    }
    glDisableClientState(GL_VERTEX_ARRAY);  // the rest of the frame draws in immediate mode
}
