#pragma once

#include <cstdint>
#include <vector>

#include "io/RgbFrame.h"

// A PNG of the pixels, top row first as the format wants; empty when stb_image_write refuses
// (a picture without pixels).
std::vector<uint8_t> encodePng(const RgbPixels& pixels);
