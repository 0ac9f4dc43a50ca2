#include "io/ImageFiles.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "io/BitmapEncoders.h"
#include "io/PngEncoder.h"

std::optional<ImageFormat> imageFormatFor(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos) return std::nullopt;
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == "png") return ImageFormat::Png;
    if (ext == "bmp") return ImageFormat::Bmp;
    if (ext == "tga") return ImageFormat::Tga;
    return std::nullopt;
}

std::vector<uint8_t> encodeImage(ImageFormat format, const RgbPixels& pixels) {
    switch (format) {
        case ImageFormat::Bmp:
            return encodeBmp(pixels);
        case ImageFormat::Tga:
            return encodeTga(pixels);
        case ImageFormat::Png:
            break;
    }
    return encodePng(pixels);
}

bool writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) == 0 && written) return true;
    std::remove(path.c_str());
    return false;
}
