#include <gtest/gtest.h>

#include <algorithm>

#include "Support.h"
#include "surfaces/BenImage.h"
#include "surfaces/TextureList.h"
#include "tools/AssetList.h"

namespace fs = std::filesystem;

namespace {

// A bitmap header written field by field, as a common tool writes it.
Bytes header(int32_t width, int32_t height) {
    Bytes h = {'B', 'M'};
    const uint32_t pixelBytes = static_cast<uint32_t>(width) * static_cast<uint32_t>(height) * 3u;
    for (uint32_t v : {54 + pixelBytes, 0u, 54u, 40u, uint32_t(width), uint32_t(height),
                       1u | 24u << 16, 0u, pixelBytes, 2835u, 2835u, 0u, 0u}) {
        for (int i = 0; i < 4; ++i)
            h.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
    return h;
}

BenImage read(const ScratchDir& dir, const Bytes& bytes, bool& ok) {
    writeFile(dir.path("image.ben"), std::string(bytes.begin(), bytes.end()));
    BenImage image;
    ok = readImage(dir.path("image.ben").c_str(), image);
    return image;
}

// Only the size fields count: the pixels start at 54 whatever the rest says, stored rows keep
// their order, red and blue swap, and a file cut short leaves the rest black.
TEST(BenImage, ReadsTheSizeAndThePixels) {
    const Bytes stored = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 20, 21, 22, 23, 24, 25, 26, 27};
    const Bytes rgb = {3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10, 22, 21, 20, 25, 24, 23, 0, 27, 26, 0, 0, 0};
    const std::pair<std::size_t, Bytes> edits[] = {
        {0, {'X', 'Y'}}, {2, {0, 0, 0, 0}}, {10, {0, 4, 0, 0}}, {14, {12, 0, 0, 0}}, {26, {9, 0}},
        {28, {8, 0}}, {30, {1, 0, 0, 0}}, {46, {255, 255, 255, 255}}};
    ScratchDir dir;
    for (const auto& [at, value] : edits) {
        Bytes bytes = header(4, 2);
        std::copy(value.begin(), value.end(), bytes.begin() + static_cast<long>(at));
        bytes.insert(bytes.end(), stored.begin(), stored.end());
        bool ok = false;
        const BenImage image = read(dir, bytes, ok);
        ASSERT_TRUE(ok) << at;
        EXPECT_EQ(image.width, 4);
        EXPECT_EQ(image.height, 2);
        EXPECT_EQ(image.rgb, rgb) << at;
    }
    for (const auto& [w, h] : {std::pair{0, 2}, {4, 0}, {-4, 2}, {4, -2}, {8193, 2}, {4, 0x7fffffff},
                               {0x40000000, 0x40000000}}) {
        bool ok = true;
        read(dir, header(w, h), ok);
        EXPECT_FALSE(ok) << w << " x " << h;
    }
    Bytes cut = header(4, 2);
    cut.resize(30);
    bool ok = true;
    read(dir, cut, ok);
    EXPECT_FALSE(ok);
    BenImage image;
    EXPECT_FALSE(readImage(dir.path("none.ben").c_str(), image));
}

// The generator's files read back as what was encoded: header fields, then pixels blue first.
TEST(BenImage, EncodedImageReadsBack) {
    Bytes rgb;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 64; ++x)
            rgb.insert(rgb.end(), {uint8_t(x * 4), uint8_t(y * 8), uint8_t(255 - x - y)});
    }
    const Bytes file = encodeBen(64, 32, rgb);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 54), header(64, 32));
    EXPECT_EQ(Bytes(file.begin() + 54 + 64 * 3, file.begin() + 57 + 64 * 3), (Bytes{254, 8, 0}));
    ScratchDir dir;
    bool ok = false;
    const BenImage image = read(dir, file, ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(image.width, 64);
    EXPECT_EQ(image.height, 32);
    EXPECT_EQ(image.rgb, rgb);
}

// The committed pictures and list are what the generator makes now, so a picture changed in
// code but not generated again shows here.
TEST(CommittedAssets, MatchTheGenerator) {
    const fs::path root = fs::path(__FILE__).parent_path().parent_path().parent_path();
    for (const AssetPicture& p : assetPictures()) {
        const Canvas canvas = p.draw();
        const Bytes made = encodeBen(canvas.width, canvas.height, canvas.bottomUpRgb());
        EXPECT_TRUE(fileBytes(root / p.path) == std::string(made.begin(), made.end())) << p.path;
    }
    EXPECT_EQ(fileBytes(root / kTextureListName), textureListText());
}

// Names separated by any white space, each printed and loaded into the table from entry 2 on
// under its label; only 28 fit. A missing list prints nothing.
TEST(TextureList, LoadsEveryNameThatFits) {
    std::string many;
    for (int k = 0; k < 31; ++k)
        many += "t" + std::to_string(k) + ".ben\n";
    const struct {
        std::string text;
        std::size_t loaded;
    } cases[] = {{"a.ben\nb.ben\n", 2},   {"  a.ben \t b.ben", 2}, {"\n\na.ben\r\n\tb.ben\n\n", 2},
                 {"", 0},                 {"  \n\t \n", 0},         {many, 28}};
    const std::string heading = "SYSTEM: Nacitam textury zapsane v textury.cfg ...\n";
    for (const auto& c : cases) {
        ScratchDir dir;
        writeFile(dir.path("textury.cfg"), c.text);
        AppFixture f;
        f.app.textureLabels.fill("unset");
        f.app.textureIds[1] = 8;
        std::vector<std::string> loaded;
        std::ostringstream console;
        loadTextureList(f.app, dir.path("textury.cfg").c_str(), console, [&](const char* name) {
            loaded.emplace_back(name);
            return static_cast<unsigned int>(100 + loaded.size());
        });
        ASSERT_EQ(loaded.size(), c.loaded) << c.text;
        std::string printed = heading;
        for (const std::string& name : loaded)
            printed += name + "\n";
        EXPECT_EQ(console.str(), printed);
        EXPECT_EQ(f.app.textureCount, static_cast<int>(c.loaded));
        EXPECT_EQ(f.app.textureIds[1], 8u);
        for (std::size_t k = 0; k < 28; ++k) {
            EXPECT_EQ(f.app.textureIds[k + 2], k < c.loaded ? 101 + k : 0) << k;
            EXPECT_EQ(f.app.textureLabels[k], k < c.loaded ? "Textura_" + std::to_string(k) : "unset");
        }
        if (c.loaded == 2) {
            EXPECT_EQ(loaded.back(), "b.ben");
        }
    }
    AppFixture f;
    std::ostringstream console;
    loadTextureList(f.app, "no-such-list.cfg", console, [](const char*) { return 1u; });
    EXPECT_EQ(console.str(), "");
    EXPECT_EQ(f.app.textureCount, 0);
}

}  // namespace
