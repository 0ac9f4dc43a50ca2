#include "app/GlFrameCapture.h"

#include <GL/freeglut.h>

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
        GLint packAlignment = 4;
        glGetIntegerv(GL_PACK_ALIGNMENT, &packAlignment);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadBuffer(GL_BACK);
        const RgbPixels p = frame.pixels();
        glReadPixels(0, 0, p.width, p.height, GL_RGB, GL_UNSIGNED_BYTE, frame.data());
        glPixelStorei(GL_PACK_ALIGNMENT, packAlignment);
    }
    if (previousWindow != 0 && previousWindow != mainWindow) {
        glutSetWindow(previousWindow);
    }
    return allocated;
}
