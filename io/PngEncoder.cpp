#include "io/PngEncoder.h"

// The one definition of stb_image_write in the program, kept private to this file so that it
// never meets the copy that libstb exports.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

namespace {

void appendBytes(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<uint8_t>*>(context);
    const auto* bytes = static_cast<const uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

std::vector<uint8_t> encodePng(const RgbPixels& p) {
    std::vector<uint8_t> out;
    if (p.width <= 0 || p.height <= 0 || p.rgb == nullptr) return out;
    stbi_flip_vertically_on_write(1);  // our rows come bottom-up
    if (stbi_write_png_to_func(appendBytes, &out, p.width, p.height, 3, p.rgb, p.width * 3) == 0)
        out.clear();
    return out;
}
