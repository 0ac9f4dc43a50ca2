#include "io/BitmapEncoders.h"

namespace {

constexpr uint32_t kBmpHeaderSize = 54;
constexpr uint32_t kBmpInfoSize = 40;
constexpr uint32_t kPixelsPerMetre = 2834;  // 72 dots per inch
constexpr std::size_t kTgaHeaderSize = 18;

void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v & 0xff));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xff));
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

// Row `y` counted from the bottom, red and blue swapped.
void appendRow(std::vector<uint8_t>& out, const RgbPixels& p, int y) {
    const std::size_t rowBytes = static_cast<std::size_t>(p.width) * 3;
    const uint8_t* row = p.rgb + static_cast<std::size_t>(y) * rowBytes;
    for (std::size_t i = 0; i < rowBytes; i += 3) {
        out.push_back(row[i + 2]);
        out.push_back(row[i + 1]);
        out.push_back(row[i]);
    }
}

uint32_t bmpRowSize(int width) { return (static_cast<uint32_t>(width) * 3 + 3) & ~3u; }

// A picture with a negative size, or pixels promised but not given, is written as 0 by 0.
RgbPixels usable(RgbPixels p) {
    const bool empty = p.width == 0 || p.height == 0;
    if (p.width < 0 || p.height < 0 || (p.rgb == nullptr && !empty)) p.width = p.height = 0;
    return p;
}

}  // namespace

std::vector<uint8_t> encodeBmp(const RgbPixels& pixels) {
    const RgbPixels p = usable(pixels);
    const uint32_t rowSize = bmpRowSize(p.width);
    const uint32_t padding = rowSize - static_cast<uint32_t>(p.width) * 3;
    std::vector<uint8_t> out;
    out.reserve(kBmpHeaderSize + static_cast<std::size_t>(rowSize) * p.height);
    out.push_back('B');
    out.push_back('M');
    put32(out, kBmpHeaderSize + static_cast<uint32_t>(p.height) * rowSize);
    put32(out, 0);
    put32(out, kBmpHeaderSize);
    put32(out, kBmpInfoSize);
    put32(out, static_cast<uint32_t>(p.width));
    put32(out, static_cast<uint32_t>(p.height));
    put16(out, 1);   // planes
    put16(out, 24);  // bits per pixel
    put32(out, 0);   // no compression
    put32(out, 0);   // image size, may be 0 when uncompressed
    put32(out, kPixelsPerMetre);
    put32(out, kPixelsPerMetre);
    put32(out, 0);  // colours used
    put32(out, 0);  // important colours
    for (int y = 0; y < p.height; ++y) {
        appendRow(out, p, y);
        out.insert(out.end(), padding, 0);
    }
    return out;
}

std::vector<uint8_t> encodeTga(const RgbPixels& pixels) {
    const RgbPixels p = usable(pixels);
    std::vector<uint8_t> out;
    out.reserve(kTgaHeaderSize + static_cast<std::size_t>(p.width) * p.height * 3);
    out.push_back(0);  // no image identification
    out.push_back(0);  // no colour map
    out.push_back(2);  // uncompressed true colour
    put16(out, 0);     // first colour map entry
    put16(out, 0);     // colour map length
    out.push_back(0);  // colour map entry size
    put16(out, 0);     // x origin
    put16(out, 0);     // y origin
    put16(out, static_cast<uint32_t>(p.width) & 0xffff);
    put16(out, static_cast<uint32_t>(p.height) & 0xffff);
    out.push_back(24);
    out.push_back(0);  // origin lower left, no alpha bits
    for (int y = 0; y < p.height; ++y)
        appendRow(out, p, y);
    return out;
}
