#include "surfaces/BenImage.h"

#include <cstdio>
#include <utility>

#include "io/UniqueFile.h"

namespace {

int32_t littleEndian32(const uint8_t* p) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | p[i];
    return static_cast<int32_t>(value);
}

void putLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

ImageStatus readImage(const char* path, BenImage& image) {
    const InputFile in = openInputFile(path, "rb");
    if (in.status == InputFile::Status::NotRegular) return ImageStatus::NotRegular;
    if (in.status != InputFile::Status::Opened) return ImageStatus::CannotOpen;
    uint8_t header[kBenHeaderSize] = {};
    // The header is taken as it stands: only the width and height are used.
    if (std::fread(header, 1, sizeof header, in.file.get()) != sizeof header) {
        return ImageStatus::Truncated;
    }
    const int32_t width = littleEndian32(header + 18);
    const int32_t height = littleEndian32(header + 22);
    if (width <= 0 || height <= 0 || width > kMaxBenSide || height > kMaxBenSide) {
        return ImageStatus::BadSize;
    }
    if (in.size < benFileSize(width, height)) return ImageStatus::Truncated;
    image.width = width;
    image.height = height;
    image.rgb.assign(static_cast<std::size_t>(benFileSize(width, height) - kBenHeaderSize), 0);
    // One read for all pixels; rows carry no padding. A file cut since it was opened leaves
    // the rest black.
    std::fread(image.rgb.data(), 1, image.rgb.size(), in.file.get());
    for (std::size_t i = 0; i + 2 < image.rgb.size(); i += 3)
        std::swap(image.rgb[i], image.rgb[i + 2]);
    return ImageStatus::Read;
}

TextureSize uploadSize(int32_t width, int32_t height) {
    const auto powerAbove = [](int32_t side) {
        int64_t p = 1;
        while (p < side)
            p *= 2;
        return p;
    };
    const auto powerBelow = [](int32_t side) {
        int32_t p = 1;
        while (p <= side / 2)
            p *= 2;
        return p;
    };
    if (powerAbove(width) * powerAbove(height) <= kMaxUploadTexels) return {width, height};
    return {powerBelow(width), powerBelow(height)};
}

std::vector<uint8_t> encodeBen(int32_t width, int32_t height, const std::vector<uint8_t>& rgb) {
    const auto pixelBytes = static_cast<uint32_t>(rgb.size());
    std::vector<uint8_t> out;
    out.reserve(kBenHeaderSize + rgb.size());
    out.push_back('B');
    out.push_back('M');
    putLittleEndian(out, kBenHeaderSize + pixelBytes, 4);  // file size
    putLittleEndian(out, 0, 4);                            // reserved
    putLittleEndian(out, kBenHeaderSize, 4);               // pixel offset
    putLittleEndian(out, 40, 4);                           // header size
    putLittleEndian(out, static_cast<uint32_t>(width), 4);
    putLittleEndian(out, static_cast<uint32_t>(height), 4);
    putLittleEndian(out, 1, 2);   // planes
    putLittleEndian(out, 24, 2);  // bits per pixel
    putLittleEndian(out, 0, 4);   // no compression
    putLittleEndian(out, pixelBytes, 4);
    putLittleEndian(out, 2835, 4);  // 72 dpi
    putLittleEndian(out, 2835, 4);
    putLittleEndian(out, 0, 4);
    putLittleEndian(out, 0, 4);
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
        out.push_back(rgb[i + 2]);
        out.push_back(rgb[i + 1]);
        out.push_back(rgb[i]);
    }
    return out;
}
