#define GL_GLEXT_PROTOTYPES 1
#include "bench/GlOffscreen.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/osmesa.h>

#include <algorithm>
#include <cstddef>

GlOffscreen::GlOffscreen(int w, int h)
    : pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4), width(w), height(h) {
    OSMesaContext made = OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr);
    if (made == nullptr) {
        why = "OSMesa gave no context";
        return;
    }
    context = made;
    if (!OSMesaMakeCurrent(made, pixels.data(), GL_UNSIGNED_BYTE, width, height)) {
        why = "OSMesa could not make its context current";
        return;
    }
    // The program's window set-up: grey background, window pixels as the 2D view.
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    GlOverlays().projection2D(width, height);
    glViewport(0, 0, width, height);
    checkDrawing();
}

GlOffscreen::~GlOffscreen() {
    if (context != nullptr) OSMesaDestroyContext(static_cast<OSMesaContext>(context));
}

// With libGL linked as well, gl* calls bound to it would go nowhere and every figure would
// look wonderful: a point must show in OSMesa's buffer.
void GlOffscreen::checkDrawing() {
    if (!why.empty()) return;
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3f(1.0f, 0.0f, 0.0f);
    glBegin(GL_POINTS);
    glVertex3f(10.0f, 10.0f, 0.0f);
    glEnd();
    glFinish();
    const std::size_t at = (10 * static_cast<std::size_t>(width) + 10) * 4;  // rows bottom up
    if (pixels[at] != 255 || pixels[at + 1] != 0)
        why = "GL calls do not reach the OSMesa context (link OSMesa before libGL)";
}

void OffscreenOverlays::swapBuffers() { glFinish(); }

namespace gl_emission {

void clear() { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }

void finish() { glFinish(); }

void immediatePerPoint(const std::vector<PlottedPoint>& points) {
    for (const PlottedPoint& p : points) {
        glBegin(GL_POINTS);
        glVertex3f(p.x, p.y, 0.0f);
        glEnd();
    }
}

void oneBeginBlock(const std::vector<PlottedPoint>& points) {
    glBegin(GL_POINTS);
    for (const PlottedPoint& p : points)
        glVertex3f(p.x, p.y, 0.0f);
    glEnd();
}

namespace {

// Alternating colours, so that every run is a colour change as in a scene.
void drawRuns(std::size_t total, std::size_t span) {
    for (std::size_t first = 0; first < total; first += span) {
        const std::size_t count = std::min(span, total - first);
        glColor3f(1.0f, (first / span) % 2 == 0 ? 1.0f : 0.0f, 0.0f);
        glDrawArrays(GL_POINTS, static_cast<GLint>(first), static_cast<GLsizei>(count));
    }
}

}  // namespace

void clientArray(const std::vector<PlottedPoint>& points, std::size_t span) {
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(2, GL_FLOAT, sizeof(PlottedPoint), points.data());
    drawRuns(points.size(), span);
    glDisableClientState(GL_VERTEX_ARRAY);
}

void bufferObject(const std::vector<PlottedPoint>& points, std::size_t span) {
    static GLuint buffer = 0;
    if (buffer == 0) glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(points.size() * sizeof(PlottedPoint)),
                 points.data(), GL_STREAM_DRAW);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(2, GL_FLOAT, sizeof(PlottedPoint), nullptr);
    drawRuns(points.size(), span);
    glDisableClientState(GL_VERTEX_ARRAY);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

}  // namespace gl_emission
