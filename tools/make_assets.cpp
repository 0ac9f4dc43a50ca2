// Writes the program's pictures and its texture list under a target folder (default ".").
// The output is the same byte for byte on every run, so the committed files can be checked
// against it.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "surfaces/BenImage.h"
#include "tools/AssetList.h"

namespace {

bool writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::string benBytes(const Canvas& c) {
    const std::vector<uint8_t> bytes = encodeBen(c.width, c.height, c.bottomUpRgb());
    return {bytes.begin(), bytes.end()};
}

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path root = argc > 1 ? argv[1] : ".";
    bool ok = true;
    for (const AssetPicture& p : assetPictures()) {
        const Canvas canvas = p.draw();
        const bool written = writeFile(root / p.path, benBytes(canvas));
        std::printf("%s %dx%d%s\n", p.path, canvas.width, canvas.height,
                    written ? "" : "  NOT WRITTEN");
        ok = ok && written;
    }
    const bool listWritten = writeFile(root / kTextureListName, textureListText());
    std::printf("%s%s\n", kTextureListName, listWritten ? "" : "  NOT WRITTEN");
    return ok && listWritten ? 0 : 1;
}
