#include <gtest/gtest.h>

#include "Support.h"
#include "surfaces/BenImage.h"
#include "surfaces/TextureList.h"
#include "tools/AssetList.h"

namespace {

// The header of an uncompressed 24-bit bitmap, then the pixels blue first, rows unpadded;
// reading gives them back red first, in the stored row order.
TEST(BenImage, EncodedImageReadsBack) {
    const Bytes rgb = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
    const Bytes file = encodeBen(3, 2, rgb);
    const Bytes header = {'B', 'M', 72, 0, 0,  0,  0, 0, 0, 0,  54, 0, 0, 0, 40, 0,  0, 0, 3,
                          0,   0,   0,  2, 0,  0,  0, 1, 0, 24, 0,  0, 0, 0, 0,  18, 0, 0, 0,
                          19,  11,  0,  0, 19, 11, 0, 0, 0, 0,  0,  0, 0, 0, 0,  0,  3, 2, 1};
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 57), header);
    EXPECT_EQ(file.size(), 72u);
    ScratchDir dir;
    writeFile(dir.path("image.ben"), std::string(file.begin(), file.end()));
    BenImage image;
    ASSERT_TRUE(readImage(dir.path("image.ben").c_str(), image));
    EXPECT_EQ(std::pair(image.width, image.height), std::pair(3, 2));
    EXPECT_EQ(image.rgb, rgb);
    EXPECT_FALSE(readImage(dir.path("none.ben").c_str(), image));
}

// The committed pictures and list are what the generator makes now, so a picture changed in
// code but not generated again shows here.
TEST(CommittedAssets, MatchTheGenerator) {
    const auto root = std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
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
    std::string many = " a.ben \t\r\nb.ben\n";
    for (int k = 2; k < 31; ++k)
        many += "t" + std::to_string(k) + ".ben\n";
    for (const auto& [text, count] : {std::pair{many.substr(0, 16), 2}, {many, 28}, {"\n\t ", 0}}) {
        ScratchDir dir;
        writeFile(dir.path("textury.cfg"), text);
        AppFixture f;
        f.app.textureLabels.fill("unset");
        std::string printed = "SYSTEM: Nacitam textury zapsane v textury.cfg ...\n";
        std::ostringstream console;
        loadTextureList(f.app, dir.path("textury.cfg").c_str(), console, [&](const char* name) {
            printed += std::string(name) + "\n";
            return static_cast<unsigned int>(100 + f.app.textureCount);
        });
        EXPECT_EQ(console.str(), printed);
        EXPECT_EQ(f.app.textureCount, count);
        for (int k = 0; k < 29; ++k) {
            EXPECT_EQ(f.app.textureIds[k + 1], k == 0 || k > count ? 0u : 100u + k - 1) << k;
            EXPECT_EQ(f.app.textureLabels[k], k < count ? "Textura_" + std::to_string(k) : "unset");
        }
    }
    AppFixture f;
    std::ostringstream console;
    loadTextureList(f.app, "no-such-list.cfg", console, [](const char*) { return 1u; });
    EXPECT_EQ(console.str(), "");
    EXPECT_EQ(f.app.textureCount, 0);
}

}  // namespace
