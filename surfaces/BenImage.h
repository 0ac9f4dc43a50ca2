#pragma once

#include <cstdint>
#include <vector>

// A .ben image: the 54-byte header of an uncompressed 24-bit bitmap, then width * height
// pixels stored blue, green, red, rows unpadded, the first stored row at the bottom.
struct BenImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> rgb;  // width * height * 3 bytes, red first
};

constexpr int kBenHeaderSize = 54;
// Larger images are refused rather than allocated: no texture of this program comes near it.
constexpr int32_t kMaxBenSide = 8192;

// False when the file cannot be opened or its size fields are unusable; a file cut short
// leaves the missing pixels black.
bool readImage(const char* path, BenImage& image);

// The bytes of a .ben file holding `rgb` (red first), for the asset generator and the tests.
std::vector<uint8_t> encodeBen(int32_t width, int32_t height, const std::vector<uint8_t>& rgb);
