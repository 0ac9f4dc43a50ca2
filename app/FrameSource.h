#pragma once

#include "io/RgbFrame.h"

// Where an export gets the picture of the main window: GL in the program, a fixed picture in
// tests.
class FrameSource {
  public:
    virtual ~FrameSource() = default;
    // Fills `frame` with the window's pixels at the window's size. False when the pixel buffer
    // cannot be allocated.
    virtual bool readFrame(RgbFrame& frame) = 0;
};
