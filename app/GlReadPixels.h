#pragma once

#include "io/RgbFrame.h"

// Fills the frame, at its size, from the lower left of the current read buffer.
void readRgbPixels(RgbFrame& frame);
