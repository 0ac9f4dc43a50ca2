#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "AppFixture.h"
#include "FileSupport.h"
#include "io/BitmapEncoders.h"

namespace {

// A picture in which every pixel differs and no axis is symmetric: a flip, a swap or a lost
// padding byte shows at once. Rows bottom-up, red-green-blue.
Bytes testPicture(int width, int height) {
    Bytes rgb;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            rgb.push_back(static_cast<uint8_t>(10 + x * 7));
            rgb.push_back(static_cast<uint8_t>(20 + y * 13));
            rgb.push_back(static_cast<uint8_t>(30 + x + 3 * y));
        }
    }
    return rgb;
}

// Readers written for these tests from the format tables, independent of the encoders.
uint32_t le16(const Bytes& b, std::size_t at) { return b.at(at) | (b.at(at + 1) << 8); }
uint32_t le32(const Bytes& b, std::size_t at) { return le16(b, at) | (le16(b, at + 2) << 16); }

struct Decoded {
    int width = 0;
    int height = 0;
    Bytes rgb;  // bottom-up, red first, as the input
};

Decoded parseBmp(const Bytes& file) {
    Decoded d;
    EXPECT_EQ(file.at(0), 'B');
    EXPECT_EQ(file.at(1), 'M');
    EXPECT_EQ(le32(file, 2), file.size());
    EXPECT_EQ(le32(file, 6), 0u);
    EXPECT_EQ(le32(file, 10), 54u);
    EXPECT_EQ(le32(file, 14), 40u);
    d.width = static_cast<int>(le32(file, 18));
    d.height = static_cast<int>(le32(file, 22));
    EXPECT_EQ(le16(file, 26), 1u);
    EXPECT_EQ(le16(file, 28), 24u);
    EXPECT_EQ(le32(file, 30), 0u);
    EXPECT_EQ(le32(file, 34), 0u);
    EXPECT_EQ(le32(file, 38), 2834u);
    EXPECT_EQ(le32(file, 42), 2834u);
    EXPECT_EQ(le32(file, 46), 0u);
    EXPECT_EQ(le32(file, 50), 0u);
    const std::size_t rowSize = (static_cast<std::size_t>(d.width) * 3 + 3) / 4 * 4;
    EXPECT_EQ(file.size(), 54 + rowSize * static_cast<std::size_t>(d.height));
    for (int y = 0; y < d.height; ++y) {
        const std::size_t row = 54 + rowSize * static_cast<std::size_t>(y);
        for (int x = 0; x < d.width; ++x) {
            const std::size_t at = row + 3 * static_cast<std::size_t>(x);
            d.rgb.insert(d.rgb.end(), {file.at(at + 2), file.at(at + 1), file.at(at)});
        }
        for (std::size_t pad = row + 3 * static_cast<std::size_t>(d.width); pad < row + rowSize;
             ++pad) {
            EXPECT_EQ(file.at(pad), 0) << "padding of row " << y;
        }
    }
    return d;
}

Decoded parseTga(const Bytes& file) {
    Decoded d;
    const Bytes header = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 12), header);
    d.width = static_cast<int>(le16(file, 12));
    d.height = static_cast<int>(le16(file, 14));
    EXPECT_EQ(file.at(16), 24);
    EXPECT_EQ(file.at(17), 0);
    EXPECT_EQ(file.size(), 18 + 3 * static_cast<std::size_t>(d.width) * d.height);
    for (std::size_t at = 18; at + 2 < file.size(); at += 3) {
        d.rgb.insert(d.rgb.end(), {file[at + 2], file[at + 1], file[at]});
    }
    return d;
}

TEST(BitmapExport, WindowSizeGivesTheFileSizes) {
    const Bytes picture = testPicture(800, 592);
    const RgbPixels pixels{800, 592, picture.data()};
    EXPECT_EQ(encodeBmp(pixels).size(), 1420854u);
    EXPECT_EQ(encodeTga(pixels).size(), 1420818u);
}

TEST(BitmapExport, OddWidthPadsBmpRowsOnly) {
    const Bytes picture = testPicture(801, 3);
    const RgbPixels pixels{801, 3, picture.data()};
    const Bytes bmp = encodeBmp(pixels);
    const Bytes tga = encodeTga(pixels);
    EXPECT_EQ(bmp.size(), 54u + 3 * 2404);
    EXPECT_EQ(tga.size(), 18u + 3 * 2403);
    EXPECT_EQ(bmp.at(54 + 2403), 0) << "one zero byte closes the first row";
    EXPECT_EQ(bmp.at(54 + 2404), picture[3 * 801 + 2]) << "the second row starts blue first";
}

// Both parsers take the first stored pixel for the lower-left one, blue first.
TEST(BitmapExport, FilesReadBackAsTheirPixels) {
    for (const auto& size : {std::pair<int, int>{5, 3}, {4, 2}, {6, 7}, {1, 1}, {0, 0}, {3, 0}}) {
        SCOPED_TRACE(std::to_string(size.first) + "x" + std::to_string(size.second));
        const Bytes picture = testPicture(size.first, size.second);
        const RgbPixels pixels{size.first, size.second, picture.data()};

        const Decoded bmp = parseBmp(encodeBmp(pixels));
        EXPECT_EQ(bmp.width, size.first);
        EXPECT_EQ(bmp.height, size.second);
        EXPECT_EQ(bmp.rgb, picture);

        const Decoded tga = parseTga(encodeTga(pixels));
        EXPECT_EQ(tga.width, size.first);
        EXPECT_EQ(tga.height, size.second);
        EXPECT_EQ(tga.rgb, picture);
    }
}

TEST(BitmapExport, FrameBufferSizes) {
    RgbFrame frame;
    ASSERT_TRUE(frame.allocate(801, 3));
    EXPECT_EQ(frame.size(), 801u * 3 * 3);
    EXPECT_EQ(frame.pixels().width, 801);
    ASSERT_TRUE(frame.allocate(-5, 7));
    EXPECT_EQ(frame.size(), 0u);
    EXPECT_TRUE(encodeBmp(frame.pixels()).size() == 54u);
}

// The export commands report, write the picture under the name their rule gives and reset the
// name field.
TEST(BitmapExport, ExportCommandsWriteTheFrame) {
    const struct {
        const char* field;
        int command;
        const char* file;
        const char* console;
    } cases[] = {
        {"shot", 99, "shot.bmp", "SYSTEM: Export do bitmapy BMP probehl uspesne\n"},
        {"shot.TGA", 101, "shot.TGA",
         "SYSTEM: Export do bitmapy Truevision TARGA (TGA) probehl uspesne\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        ScratchDir dir;
        AppFixture f;
        f.frames.setPicture(5, 3, testPicture(5, 3));
        f.takeConsole();
        f.setFileName(dir.path(c.field));
        f.app.panelCommand(c.command);
        EXPECT_EQ(f.takeConsole(), c.console);
        EXPECT_STREQ(f.app.mirrors.fileName, "export");
        const std::string text = fileBytes(dir.path(c.file));
        const Bytes file(text.begin(), text.end());
        ASSERT_FALSE(file.empty());
        const Decoded picture = c.command == 101 ? parseTga(file) : parseBmp(file);
        EXPECT_EQ(picture.rgb, testPicture(5, 3));
    }
}

TEST(BitmapExport, FileThatCannotBeCreated) {
    ScratchDir dir;
    AppFixture f;
    f.frames.setPicture(2, 2, testPicture(2, 2));
    f.takeConsole();
    f.setFileName(dir.path("missing/shot"));
    f.app.panelCommand(99);
    f.setFileName(dir.path("missing/shot"));
    f.app.panelCommand(101);
    EXPECT_EQ(f.takeConsole(),
              "SYSTEM: Export do bitmapy BMP se nezdaril\n"
              "SYSTEM: Export do bitmapy Truevision TARGA (TGA) se nezdaril\n");
    EXPECT_STREQ(f.app.mirrors.fileName, "export");
    EXPECT_TRUE(std::filesystem::is_empty(dir.root));
    EXPECT_TRUE(f.window.exitStatuses.empty());
    EXPECT_EQ(f.frames.reads, 0) << "no redraw for a file that cannot be written";
}

TEST(BitmapExport, PixelBufferThatCannotBeAllocatedEndsTheProcess) {
    ScratchDir dir;
    AppFixture f;
    f.frames.allocationFails = true;
    f.setFileName(dir.path("shot"));
    f.app.panelCommand(101);
    EXPECT_EQ(f.window.exitStatuses, std::vector<int>{-1});
}

}  // namespace
