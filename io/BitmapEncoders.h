#pragma once

#include <cstdint>
#include <vector>

#include "io/RgbFrame.h"

// Uncompressed 24-bit images, rows bottom-up as the pixels come, each pixel stored blue,
// green, red. BMP rows are padded with zeros to a multiple of 4 bytes; TGA rows are not,
// and its 16-bit size fields keep the low 16 bits of larger sizes.
std::vector<uint8_t> encodeBmp(const RgbPixels& pixels);
std::vector<uint8_t> encodeTga(const RgbPixels& pixels);
