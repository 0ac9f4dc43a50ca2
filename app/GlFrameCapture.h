#pragma once

#include <ostream>

#include "app/FrameSource.h"

// Draws the frame again into the back buffer and reads it there: the front buffer reads
// black under Xvfb, and the back buffer after a swap holds nothing defined.
class GlFrameCapture final : public FrameSource {
  public:
    // `console` is silenced during the redraw, so the export adds no block to the listing.
    explicit GlFrameCapture(std::ostream& console) : quietConsole(console) {}
    bool readFrame(RgbFrame& frame) override;

  private:
    std::ostream& quietConsole;
};
