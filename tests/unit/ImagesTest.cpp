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
    const Bytes file = encodeBen(6, 1, rgb);  // a single row is an image too
    const Bytes header = {'B', 'M', 72, 0, 0,  0,  0, 0, 0, 0,  54, 0, 0, 0, 40, 0,  0, 0, 6,
                          0,   0,   0,  1, 0,  0,  0, 1, 0, 24, 0,  0, 0, 0, 0,  18, 0, 0, 0,
                          19,  11,  0,  0, 19, 11, 0, 0, 0, 0,  0,  0, 0, 0, 0,  0,  3, 2, 1};
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 57), header);
    EXPECT_EQ(file.size(), 72u);
    ScratchDir dir;
    writeFile(dir.path("image.ben"), std::string(file.begin(), file.end()));
    BenImage image;
    ASSERT_EQ(readImage(dir.path("image.ben").c_str(), image), ImageStatus::Read);
    EXPECT_EQ(std::pair(image.width, image.height), std::pair(6, 1));
    EXPECT_EQ(image.rgb, rgb);
}

// Refused before anything is allocated: a header is believed only as far as the file's size
// backs it, whatever the file is.
TEST(BenImage, UnbackedHeadersAndFilesThatAreNotRegularAreRefused) {
    ScratchDir dir;
    const Bytes pixels(24, 7);  // 4 by 2
    const struct {
        const char* what;
        int32_t width, height;
        std::size_t keep;
        ImageStatus status;
    } cases[] = {
        {"zero width", 0, 2, 78, ImageStatus::BadSize},
        {"negative height", 4, -2, 78, ImageStatus::BadSize},
        {"a side beyond the limit", 4, kMaxBenSide + 1, 78, ImageStatus::BadSize},
        {"header cut short", 4, 2, 30, ImageStatus::Truncated},
        {"last pixel byte missing", 4, 2, 77, ImageStatus::Truncated},
        {"the largest image claimed by a bare header", kMaxBenSide, kMaxBenSide, 54,
         ImageStatus::Truncated},
    };
    for (const auto& c : cases) {
        Bytes file = encodeBen(4, 2, pixels);
        for (int i = 0; i < 4; ++i) {
            file[18 + i] = static_cast<uint8_t>(uint32_t(c.width) >> (8 * i));
            file[22 + i] = static_cast<uint8_t>(uint32_t(c.height) >> (8 * i));
        }
        file.resize(c.keep);
        writeFile(dir.path("absurd.ben"), std::string(file.begin(), file.end()));
        BenImage image;
        EXPECT_EQ(readImage(dir.path("absurd.ben").c_str(), image), c.status) << c.what;
        EXPECT_EQ(image.rgb.capacity(), 0u) << c.what;
    }
    for (const auto& [path, status] : {std::pair{dir.path("none.ben"), ImageStatus::CannotOpen},
                                       {dir.fifo("fifo.ben"), ImageStatus::NotRegular},
                                       {std::string("/dev/zero"), ImageStatus::NotRegular},
                                       {dir.root.string(), ImageStatus::NotRegular}}) {
        BenImage image;
        EXPECT_EQ(readImage(path.c_str(), image), status) << path;
    }
}

// GLU would take 6144 by 48 to 8192 by 64, above the budget; 384 by 512 to 512 by 512, within.
TEST(BenImage, UploadSizeKeepsTexturesWithinTheTexelBudget) {
    const auto sides = [](TextureSize s) { return std::make_pair(s.width, s.height); };
    EXPECT_EQ(sides(uploadSize(6000, 48)), std::make_pair(4096, 32));
    EXPECT_EQ(sides(uploadSize(384, 512)), std::make_pair(384, 512));
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
        f.app.textures.textureLabels.fill("unset");
        std::string printed = "SYSTEM: Nacitam textury zapsane v textury.cfg ...\n";
        std::ostringstream console, errors;
        loadTextureList(f.app.textures, dir.path("textury.cfg").c_str(), console, errors,
                        [&](const char* name, ImageStatus*) {
                            printed += std::string(name) + "\n";
                            return static_cast<unsigned int>(100 + f.app.textures.textureCount);
                        });
        EXPECT_EQ(console.str(), printed);
        EXPECT_EQ(f.app.textures.textureCount, count);
        for (int k = 0; k < 29; ++k) {
            EXPECT_EQ(f.app.textures.textureIds[k + 1], k == 0 || k > count ? 0u : 100u + k - 1)
                << k;
            EXPECT_EQ(f.app.textures.textureLabels[k],
                      k < count ? "Textura_" + std::to_string(k) : "unset");
        }
    }
    AppFixture f;
    std::ostringstream console, errors;
    loadTextureList(f.app.textures, "no-such-list.cfg", console, errors,
                    [](const char*, ImageStatus*) { return 1u; });
    EXPECT_EQ(console.str() + errors.str(), "");
    EXPECT_EQ(f.app.textures.textureCount, 0);
}

// Neither the list nor an image it names may wait on a FIFO or run on through a device: each is
// refused in one line, and a refused image keeps its place with the white texture. A name longer
// than the buffer is left out whole, never read as several names.
TEST(TextureList, FilesThatAreNotRegularAndOverlongNamesAreToldInOneLineEach) {
    ScratchDir dir;
    AppFixture f;
    std::ostringstream console, errors;
    const auto load = [&](const std::string& path) {
        loadTextureList(f.app.textures, path.c_str(), console, errors,
                        [](const char* name, ImageStatus* status) {
                            BenImage image;
                            *status = readImage(name, image);
                            return 1u;
                        });
    };
    std::string list, lines;
    for (const std::string& path : {dir.fifo("fifo"), std::string("/dev/zero"), dir.path("")}) {
        load(path);
        list += path + "\n";
        lines += "SYSTEM: Chyba pri cteni souboru: " + path + " neni obycejny soubor\n";
    }
    const std::string longest(kMaxTextureName, 'y');
    writeFile(dir.path("textury.cfg"),
              list + std::string(kMaxTextureName + 1, 'x') + "\n" + longest);
    load(dir.path("textury.cfg"));
    EXPECT_EQ(errors.str(), lines + lines + "SYSTEM: Chyba pri cteni souboru: nazev textury " +
                                "delsi nez 239 znaku vynechan\n");
    EXPECT_EQ(console.str(),
              "SYSTEM: Nacitam textury zapsane v textury.cfg ...\n" + list + longest + "\n");
    EXPECT_EQ(f.app.textures.textureCount, 4);
}

}  // namespace
