#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "FileSupport.h"
#include "surfaces/BenImage.h"
#include "tools/AssetList.h"

namespace fs = std::filesystem;

namespace {

void put32(Bytes& out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void put16(Bytes& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
uint32_t get32(const Bytes& b, std::size_t at) {
    return static_cast<uint32_t>(b[at]) | static_cast<uint32_t>(b[at + 1]) << 8 |
           static_cast<uint32_t>(b[at + 2]) << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

// A bitmap header written field by field, as a common tool writes it.
Bytes header(int32_t width, int32_t height) {
    Bytes h = {'B', 'M'};
    const uint32_t pixelBytes = static_cast<uint32_t>(width) * static_cast<uint32_t>(height) * 3u;
    put32(h, 54 + pixelBytes);
    put32(h, 0);
    put32(h, 54);
    put32(h, 40);
    put32(h, static_cast<uint32_t>(width));
    put32(h, static_cast<uint32_t>(height));
    put16(h, 1);
    put16(h, 24);
    put32(h, 0);
    put32(h, pixelBytes);
    put32(h, 2835);
    put32(h, 2835);
    put32(h, 0);
    put32(h, 0);
    return h;
}

// Stored rows: bottom row first, each pixel blue, green, red.
const Bytes kTinyPixels = {
    1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,  // bottom row
    20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31,  // top row
};

// Only the size fields count: the pixels start at 54 whatever the rest says, stored rows keep
// their order and red and blue swap.
TEST(BenImage, ReadsTheSizeAndThePixels) {
    struct Case {
        const char* what;
        std::size_t offset;
        Bytes value;
    };
    const Case cases[] = {
        {"a plain header", 0, {'B', 'M'}},
        {"signature", 0, {'X', 'Y'}},
        {"file size", 2, {0, 0, 0, 0}},
        {"pixel offset", 10, {0, 4, 0, 0}},
        {"header size", 14, {12, 0, 0, 0}},
        {"planes", 26, {9, 0}},
        {"bits per pixel", 28, {8, 0}},
        {"compression", 30, {1, 0, 0, 0}},
        {"colours used", 46, {255, 255, 255, 255}},
    };
    const Bytes expected = {3,  2,  1,  6,  5,  4,  9,  8,  7,  12, 11, 10,
                            22, 21, 20, 25, 24, 23, 28, 27, 26, 31, 30, 29};
    ScratchDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bytes = header(4, 2);
        std::copy(c.value.begin(), c.value.end(), bytes.begin() + static_cast<long>(c.offset));
        bytes.insert(bytes.end(), kTinyPixels.begin(), kTinyPixels.end());
        writeFile(dir.path("fields.ben"), bytes);
        BenImage image;
        ASSERT_EQ(readImage(dir.path("fields.ben").c_str(), image), ImageStatus::Read);
        EXPECT_EQ(image.width, 4);
        EXPECT_EQ(image.height, 2);
        EXPECT_EQ(image.rgb, expected);
    }
}

// Refused before anything is allocated: a header is believed only as far as the file's size
// backs it, whatever the file is.
TEST(BenImage, UnreadableFilesAreRefused) {
    ScratchDir dir;
    struct Case {
        const char* what;
        int32_t width;
        int32_t height;
        std::size_t keep;  // bytes of the file kept, header and pixels together
        ImageStatus status;
    } const cases[] = {
        {"zero width", 0, 2, 78, ImageStatus::BadSize},
        {"negative height", 4, -2, 78, ImageStatus::BadSize},
        {"a side beyond the limit", 4, kMaxBenSide + 1, 78, ImageStatus::BadSize},
        {"both sides huge", 0x40000000, 0x40000000, 78, ImageStatus::BadSize},
        {"header cut short", 4, 2, 30, ImageStatus::Truncated},
        {"last pixel byte missing", 4, 2, 77, ImageStatus::Truncated},
        {"the largest image claimed by a bare header", kMaxBenSide, kMaxBenSide, 54,
         ImageStatus::Truncated},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bytes = header(c.width, c.height);
        bytes.insert(bytes.end(), kTinyPixels.begin(), kTinyPixels.end());
        bytes.resize(c.keep);
        writeFile(dir.path("absurd.ben"), bytes);
        BenImage image;
        EXPECT_EQ(readImage(dir.path("absurd.ben").c_str(), image), c.status);
        EXPECT_EQ(image.rgb.capacity(), 0u);
    }
    const std::pair<std::string, ImageStatus> files[] = {
        {dir.path("no-such.ben"), ImageStatus::CannotOpen},
        {dir.fifo("fifo.ben"), ImageStatus::NotRegular},
        {"/dev/zero", ImageStatus::NotRegular},
        {dir.root.string(), ImageStatus::NotRegular},
    };
    for (const auto& [path, status] : files) {
        BenImage image;
        EXPECT_EQ(readImage(path.c_str(), image), status) << path;
    }
}

// GLU would take 6144 by 48 to 8192 by 64, above the budget; 384 by 512 to 512 by 512, within.
TEST(BenImage, UploadSizeKeepsTexturesWithinTheTexelBudget) {
    const auto sides = [](TextureSize s) { return std::make_pair(s.width, s.height); };
    EXPECT_EQ(sides(uploadSize(6144, 48)), std::make_pair(4096, 32));
    EXPECT_EQ(sides(uploadSize(384, 512)), std::make_pair(384, 512));
    EXPECT_EQ(sides(uploadSize(256, 192)), std::make_pair(256, 192));
}

// Red from x, green from y, blue from both: every pixel differs and the channels can be told
// apart.
Bytes pattern(int w, int h) {
    Bytes rgb;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            rgb.push_back(static_cast<uint8_t>(x * 4));
            rgb.push_back(static_cast<uint8_t>(y * 8));
            rgb.push_back(static_cast<uint8_t>(255 - x - y));
        }
    }
    return rgb;
}

TEST(BenImage, EncodedImageIsAValidBitmapAndReadsBack) {
    const int w = 64, h = 32;
    const Bytes rgb = pattern(w, h);
    const Bytes file = encodeBen(w, h, rgb);

    ASSERT_EQ(file.size(), 54u + 64u * 32u * 3u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(get32(file, 2), file.size());
    EXPECT_EQ(get32(file, 10), 54u);
    EXPECT_EQ(get32(file, 14), 40u);
    EXPECT_EQ(get32(file, 18), 64u);
    EXPECT_EQ(get32(file, 22), 32u);
    EXPECT_EQ(file[26] | file[27] << 8, 1);
    EXPECT_EQ(file[28] | file[29] << 8, 24);
    EXPECT_EQ(get32(file, 30), 0u);
    // Pixel (1, 0) is the second stored one, blue first; pixel (0, 1) starts the second row.
    EXPECT_EQ(file[57], 255 - 1);
    EXPECT_EQ(file[58], 0);
    EXPECT_EQ(file[59], 4);
    EXPECT_EQ(file[54 + 64 * 3], 255 - 1);
    EXPECT_EQ(file[54 + 64 * 3 + 1], 8);
    EXPECT_EQ(file[54 + 64 * 3 + 2], 0);

    ScratchDir dir;
    writeFile(dir.path("round.ben"), file);
    BenImage image;
    ASSERT_EQ(readImage(dir.path("round.ben").c_str(), image), ImageStatus::Read);
    EXPECT_EQ(image.width, 64);
    EXPECT_EQ(image.height, 32);
    EXPECT_EQ(image.rgb, rgb);
}

// ---- The committed pictures ----

fs::path repoRoot() {
    const fs::path fromSource = fs::path(__FILE__).parent_path().parent_path().parent_path();
    if (fs::exists(fromSource / "tools" / "make_assets.cpp")) return fromSource;
    for (fs::path p = fs::current_path(); !p.empty(); p = p.parent_path()) {
        if (fs::exists(p / "tools" / "make_assets.cpp")) return p;
        if (p == p.parent_path()) break;
    }
    return {};
}

std::vector<std::string> listedNames(const fs::path& list) {
    std::ifstream in(list);
    std::vector<std::string> names;
    for (std::string word; in >> word;)
        names.push_back(word);
    return names;
}

bool isPowerOfTwo(int v) { return v > 0 && (v & (v - 1)) == 0; }

TEST(CommittedAssets, StartAndEndImagesRead) {
    const fs::path root = repoRoot();
    ASSERT_FALSE(root.empty());
    for (const char* name : {"data/logo.ben", "data/konec.ben"}) {
        SCOPED_TRACE(name);
        BenImage image;
        ASSERT_EQ(readImage((root / name).string().c_str(), image), ImageStatus::Read);
        EXPECT_EQ(image.width % 4, 0);
        EXPECT_GE(image.width, 64);
        EXPECT_LE(image.width, 512);
        EXPECT_GE(image.height, 32);
        EXPECT_LE(image.height, 512);
    }
    // The end image is stretched onto a 157 by 91 quad; its own shape should be close.
    BenImage end;
    ASSERT_EQ(readImage((root / "data/konec.ben").string().c_str(), end), ImageStatus::Read);
    EXPECT_NEAR(static_cast<double>(end.width) / end.height, 157.0 / 91.0, 0.03);
}

TEST(CommittedAssets, EveryListedTextureReadsAndTiles) {
    const fs::path root = repoRoot();
    ASSERT_FALSE(root.empty());
    const std::vector<std::string> names = listedNames(root / "textury.cfg");
    EXPECT_GE(names.size(), 4u);
    EXPECT_LE(names.size(), 6u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        EXPECT_LE(name.size(), 239u);
        BenImage image;
        ASSERT_EQ(readImage((root / name).string().c_str(), image), ImageStatus::Read);
        // Power-of-two sides reach the texture unscaled.
        EXPECT_TRUE(isPowerOfTwo(image.width));
        EXPECT_TRUE(isPowerOfTwo(image.height));
        EXPECT_GE(image.width, 64);
        EXPECT_LE(image.width, 256);

        // Wrapping repeats the texture: the step from the last column to the first must look
        // like a step inside, give or take a tenth for the speckle, and the same for rows.
        auto channel = [&](int x, int y, int ch) {
            return static_cast<int>(
                image.rgb[static_cast<std::size_t>((y * image.width + x) * 3 + ch)]);
        };
        auto columnStep = [&](int a, int b) {
            long sum = 0;
            for (int y = 0; y < image.height; ++y) {
                for (int ch = 0; ch < 3; ++ch)
                    sum += std::abs(channel(a, y, ch) - channel(b, y, ch));
            }
            return sum;
        };
        auto rowStep = [&](int a, int b) {
            long sum = 0;
            for (int x = 0; x < image.width; ++x) {
                for (int ch = 0; ch < 3; ++ch)
                    sum += std::abs(channel(x, a, ch) - channel(x, b, ch));
            }
            return sum;
        };
        long innerColumns = 0, innerRows = 0;
        for (int x = 0; x + 1 < image.width; ++x)
            innerColumns = std::max(innerColumns, columnStep(x, x + 1));
        for (int y = 0; y + 1 < image.height; ++y)
            innerRows = std::max(innerRows, rowStep(y, y + 1));
        EXPECT_LE(columnStep(image.width - 1, 0), innerColumns * 11 / 10);
        EXPECT_LE(rowStep(image.height - 1, 0), innerRows * 11 / 10);
    }
}

// The committed files must be what the generator makes now, so a change to a picture's code
// that is not followed by a new run of make_assets shows here.
TEST(CommittedAssets, MatchTheGeneratorByteForByte) {
    const fs::path root = repoRoot();
    ASSERT_FALSE(root.empty());
    for (const AssetPicture& p : assetPictures()) {
        SCOPED_TRACE(p.path);
        const Canvas canvas = p.draw();
        const Bytes made = encodeBen(canvas.width, canvas.height, canvas.bottomUpRgb());
        EXPECT_LT(made.size(), 200u * 1024u);
        EXPECT_TRUE(fileBytes(root / p.path) == std::string(made.begin(), made.end()));
    }
    EXPECT_EQ(fileBytes(root / kTextureListName), textureListText());
}

}  // namespace
