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

// The bytes a .ben file of this size needs: the header and the unpadded pixels.
constexpr int64_t benFileSize(int32_t width, int32_t height) {
    return kBenHeaderSize + int64_t{width} * height * 3;
}

enum class ImageStatus {
    Read,
    CannotOpen,  // missing or unreadable
    NotRegular,  // a directory, a FIFO or a device
    BadSize,     // a side below 1 or above kMaxBenSide
    Truncated,   // shorter than its header and the pixels its header gives
};

// Nothing is allocated until the file's size backs the size its header claims, so a short
// file cannot claim a large image; a truncated image is refused whole. `image` is left as it
// was unless the status is Read.
ImageStatus readImage(const char* path, BenImage& image);

// GLU stores an image at power-of-two sides and takes a side of three times a power of two up
// (48 to 64), so an image under 1 MB can become 2^19 texels, about 4.6 MB in llvmpipe. An image
// that GLU could take above this many texels goes to GLU at the powers of two below its sides
// instead, which keeps 28 listed textures of under 1 MB each within 200 MB.
constexpr int64_t kMaxUploadTexels = int64_t{1} << 18;

struct TextureSize {
    int32_t width;
    int32_t height;
};

// The size at which an image of these sides is handed to GLU.
TextureSize uploadSize(int32_t width, int32_t height);

// The bytes of a .ben file holding `rgb` (red first), for the asset generator and the tests.
std::vector<uint8_t> encodeBen(int32_t width, int32_t height, const std::vector<uint8_t>& rgb);
