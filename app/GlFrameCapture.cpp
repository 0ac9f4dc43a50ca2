#include "app/GlFrameCapture.h"

#include <GL/freeglut.h>

#include "app/GlReadPixels.h"

namespace {

// Keeps a stream from writing while it lives; what it held before comes back afterwards.
class SilencedStream {
  public:
    explicit SilencedStream(std::ostream& stream) : s(stream), saved(stream.rdstate()) {
        s.setstate(std::ios::badbit);
    }
    ~SilencedStream() { s.clear(saved); }
    SilencedStream(const SilencedStream&) = delete;
    SilencedStream& operator=(const SilencedStream&) = delete;

  private:
    std::ostream& s;
    std::ios::iostate saved;
};

}  // namespace

bool GlFrameCapture::readFrame(RgbFrame& frame) {
    const int previousWindow = glutGetWindow();
    if (previousWindow != mainWindow) glutSetWindow(mainWindow);
    bool allocated = frame.allocate(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
    if (allocated) {
        {
            SilencedStream quiet(quietConsole);
            drawFrame();
        }
        glReadBuffer(GL_BACK);
        readRgbPixels(frame);
    }
    if (previousWindow != 0 && previousWindow != mainWindow) {
        glutSetWindow(previousWindow);
    }
    return allocated;
}
