#pragma once

#include <functional>
#include <ostream>

#include "app/FrameSource.h"

// Draws the frame again into the back buffer and reads it there: the front buffer reads
// black under Xvfb, and the back buffer after a swap holds nothing defined.
class GlFrameCapture final : public FrameSource {
  public:
    // `console` is silenced during the redraw, so the export adds no block to the listing.
    GlFrameCapture(std::ostream& console, const int& window, std::function<void()> redraw)
        : quietConsole(console), mainWindow(window), drawFrame(std::move(redraw)) {}
    bool readFrame(RgbFrame& frame) override;

  private:
    std::ostream& quietConsole;
    const int& mainWindow;  // known only once the window exists
    std::function<void()> drawFrame;
};
