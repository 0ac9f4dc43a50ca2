#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "Support.h"
#include "io/BitmapEncoders.h"
#include "io/ImageFiles.h"
#include "io/PngEncoder.h"

// A reader of our own for the PNG that stb_image_write makes.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#include <stb/stb_image.h>

namespace {

// Two rows of two pixels, bottom row first, red first: a flip, a swap or a lost padding byte
// shows at once.
const Bytes kPicture = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

// The headers field by field from the format tables; pixels blue first, BMP rows padded with
// zeros to a multiple of 4 bytes.
const Bytes kBmp = {'B', 'M', 70, 0,  0, 0, 0,  0,  0, 0, 54, 0,  0,  0,  40, 0, 0, 0,
                    2,   0,   0,  0,  2, 0, 0,  0,  1, 0, 24, 0,  0,  0,  0,  0, 0, 0,
                    0,   0,   18, 11, 0, 0, 18, 11, 0, 0, 0,  0,  0,  0,  0,  0, 0, 0,
                    3,   2,   1,  6,  5, 4, 0,  0,  9, 8, 7,  12, 11, 10, 0,  0};
const Bytes kTga = {0, 0,  2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2,  0,  2,
                    0, 24, 0, 3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10};

TEST(BitmapEncoders, ExactBytes) {
    EXPECT_EQ(encodeBmp({2, 2, kPicture.data()}), kBmp);
    EXPECT_EQ(encodeTga({2, 2, kPicture.data()}), kTga);
    EXPECT_EQ(encodeBmp({4, 1, kPicture.data()}).size(), 54u + 12);  // a full row needs no padding
    // A negative size, or pixels promised but missing, is written as 0 by 0; the 16-bit TGA
    // sizes keep the low bits of larger ones.
    EXPECT_EQ(encodeBmp({-5, 7, kPicture.data()}).size(), 54u);
    EXPECT_EQ(encodeTga({5, 7, nullptr}).size(), 18u);
    EXPECT_EQ(encodeBmp({3, 0, nullptr}).size(), 54u);
    EXPECT_EQ(encodeTga({65538, 0, nullptr})[12], 2);
    RgbFrame frame;
    ASSERT_TRUE(frame.allocate(1, 801));
    EXPECT_EQ(frame.size(), 801u * 3);
    ASSERT_TRUE(frame.allocate(-5, 7));
    EXPECT_EQ(frame.size(), 0u);
}

// The extension in either case names the format; a PNG holds the rows top first.
TEST(ImageFiles, FormatByExtensionEncodingAndWholeFiles) {
    const std::pair<const char*, std::optional<ImageFormat>> names[] = {
        {"a.png", ImageFormat::Png},
        {"d/A.BMP", ImageFormat::Bmp},
        {"x.y.Tga", ImageFormat::Tga},
        {"png", {}},
        {"a.jpg", {}},
        {"a.bmp/c", {}},
        {"a.tga.txt", {}}};
    for (const auto& [name, format] : names)
        EXPECT_EQ(imageFormatFor(name), format) << name;
    const RgbPixels picture{2, 2, kPicture.data()};
    EXPECT_EQ(encodeImage(ImageFormat::Bmp, picture), kBmp);
    EXPECT_EQ(encodeImage(ImageFormat::Tga, picture), kTga);
    // Three pixels a row, so that a wrong row stride shows.
    const Bytes rows = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
    const Bytes png = encodeImage(ImageFormat::Png, {3, 2, rows.data()});
    int w = 0, h = 0, channels = 0;
    stbi_uc* rgb =
        stbi_load_from_memory(png.data(), static_cast<int>(png.size()), &w, &h, &channels, 3);
    ASSERT_NE(rgb, nullptr);
    EXPECT_EQ(Bytes(rgb, rgb + 18),
              (Bytes{10, 11, 12, 13, 14, 15, 16, 17, 18, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ((std::array<int, 3>{w, h, channels}), (std::array<int, 3>{3, 2, 3}));
    stbi_image_free(rgb);
    EXPECT_TRUE(encodePng({2, 0, kPicture.data()}).empty());
    EXPECT_TRUE(encodePng({2, 2, nullptr}).empty());

    ScratchDir dir;
    EXPECT_TRUE(writeWholeFile(dir.path("p.tga"), kTga));
    EXPECT_EQ(fileBytes(dir.path("p.tga")), std::string(kTga.begin(), kTga.end()));
    EXPECT_FALSE(writeWholeFile(dir.path("no/p.tga"), kTga));
    // A file cut short, here by a size limit of 8 bytes, is removed.
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    rlimit small = limit;
    small.rlim_cur = 8;
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const bool cut = writeWholeFile(dir.path("cut.tga"), kTga);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, handler);
    EXPECT_FALSE(cut);
    EXPECT_FALSE(std::filesystem::exists(dir.path("cut.tga")));
}

// Each command reports, writes its file and resets the name field. The extension is added
// unless the name holds it anywhere, all in lower or all in upper case. A name that cannot be
// created costs no redraw; other ids do nothing.
TEST(SaveCommands, ReportWriteAndResetTheName) {
    const std::string pvf = "SYSTEM: Export do vektoroveho formatu PVF ";
    const std::string bmp = "SYSTEM: Export do bitmapy BMP ";
    const std::string tga = "SYSTEM: Export do bitmapy Truevision TARGA (TGA) ";
    const std::tuple<int, const char*, std::string, const char*, Bytes> cases[] = {
        {100, "scene", pvf + "probehl uspesne\n", "scene.pvf", {}},
        {100, "scene.PVF", pvf + "probehl uspesne\n", "scene.PVF", {}},
        {100, "my.pvf.old", pvf + "probehl uspesne\n", "my.pvf.old", {}},
        {100, "scene.Pvf", pvf + "probehl uspesne\n", "scene.Pvf.pvf", {}},
        {100, "no/scene", pvf + "se nezdaril\n", nullptr, {}},
        {99, "shot.tga", bmp + "probehl uspesne\n", "shot.tga.bmp", kBmp},
        {99, "no/shot", bmp + "se nezdaril\n", nullptr, {}},
        {101, "shot.TGA", tga + "probehl uspesne\n", "shot.TGA", kTga},
        {101, "no/shot", tga + "se nezdaril\n", nullptr, {}},
        {98, "scene", "", nullptr, {}},
        {102, "scene", "", nullptr, {}}};
    for (const auto& [command, field, console, file, bytes] : cases) {
        ScratchDir dir;
        AppFixture f;
        f.add(kLineDDA, {pt(1, 2), pt(3, 4)});
        f.frames.width = f.frames.height = 2;
        f.frames.rgb = kPicture;
        f.takeConsole();
        f.setFileName(dir.path(field));
        f.app.panelCommand(command);
        EXPECT_EQ(f.takeConsole(), console) << command << " " << field;
        EXPECT_EQ(f.frames.reads, bytes.empty() ? 0 : 1) << command << " " << field;
        EXPECT_STREQ(f.app.mirrors.fileName, console.empty() ? dir.path(field).c_str() : "export");
        ASSERT_EQ(std::distance(std::filesystem::directory_iterator(dir.root), {}), file ? 1 : 0);
        if (!file) continue;
        const std::string text = fileBytes(dir.path(file));
        if (command == 100) {
            EXPECT_NE(text.find("LINE_DDA\n1 2\n3 4\n"), std::string::npos);
        } else {
            EXPECT_EQ(Bytes(text.begin(), text.end()), bytes);
        }
    }
}

// Out of memory for the pixels the program ends with -1.
TEST(SaveCommands, PixelsThatCannotBeAllocatedEndTheProcess) {
    ScratchDir dir;
    AppFixture f;
    f.frames.outOfMemory = true;
    f.setFileName(dir.path("shot"));
    f.app.panelCommand(101);
    EXPECT_EQ(f.window.exits, std::vector<int>{-1});
}

}  // namespace
