#include <gtest/gtest.h>

#include "Support.h"
#include "app/ObjectKind.h"
#include "io/BitmapEncoders.h"
#include "io/ExportNames.h"

namespace {

// Every pixel differs and no axis is symmetric, so a flip, a swap or a lost padding byte
// shows at once. Rows bottom-up, red first.
Bytes picture(int width, int height) {
    Bytes rgb;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            rgb.insert(rgb.end(), {static_cast<uint8_t>(10 + x * 7), static_cast<uint8_t>(20 + y * 13),
                                   static_cast<uint8_t>(30 + x + 3 * y)});
        }
    }
    return rgb;
}

uint32_t le(const Bytes& b, std::size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | b.at(at + static_cast<std::size_t>(i));
    return v;
}

// Readers written from the format tables, independent of the encoders: the header fields,
// then the pixels bottom-up, blue first, BMP rows padded with zeros to 4 bytes.
Bytes parse(const Bytes& file, bool tga) {
    const std::size_t header = tga ? 18 : 54;
    const uint32_t width = tga ? le(file, 12, 2) : le(file, 18, 4);
    const uint32_t height = tga ? le(file, 14, 2) : le(file, 22, 4);
    const std::size_t row = tga ? width * 3 : (width * 3 + 3) / 4 * 4;
    if (tga) {
        EXPECT_EQ(Bytes(file.begin(), file.begin() + 12), (Bytes{0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        EXPECT_EQ(le(file, 16, 2), 24u);
    } else {
        const std::pair<std::size_t, uint32_t> fields[] = {
            {0, 'B' | 'M' << 8}, {2, uint32_t(file.size())}, {6, 0}, {10, 54}, {14, 40}, {26, 1 | 24 << 16},
            {30, 0},          {34, 0},   {38, 2834},         {42, 2834},  {46, 0},  {50, 0}};
        for (const auto& [at, value] : fields)
            EXPECT_EQ(le(file, at, at == 0 ? 2 : 4), value) << "field at " << at;
    }
    EXPECT_EQ(file.size(), header + row * height);
    Bytes rgb;
    for (std::size_t y = 0; y < height; ++y) {
        const std::size_t start = header + row * y;
        for (std::size_t x = 0; x < width; ++x)
            rgb.insert(rgb.end(), {file.at(start + 3 * x + 2), file.at(start + 3 * x + 1), file.at(start + 3 * x)});
        for (std::size_t pad = start + 3 * width; pad < start + row; ++pad)
            EXPECT_EQ(file.at(pad), 0) << "row " << y;
    }
    return rgb;
}

TEST(BitmapEncoders, FilesReadBackAsTheirPixels) {
    for (const auto& [w, h] : {std::pair{5, 3}, {4, 2}, {801, 3}, {1, 1}, {0, 0}, {3, 0}}) {
        const Bytes rgb = picture(w, h);
        EXPECT_EQ(parse(encodeBmp({w, h, rgb.data()}), false), rgb) << w << "x" << h;
        EXPECT_EQ(parse(encodeTga({w, h, rgb.data()}), true), rgb) << w << "x" << h;
    }
    const Bytes window = picture(800, 592);
    EXPECT_EQ(encodeBmp({800, 592, window.data()}).size(), 1420854u);
    EXPECT_EQ(encodeTga({800, 592, window.data()}).size(), 1420818u);
    // A negative size, or pixels promised but missing, is written as 0 by 0.
    EXPECT_EQ(encodeBmp({-5, 7, window.data()}).size(), 54u);
    EXPECT_EQ(encodeTga({5, 7, nullptr}).size(), 18u);
    RgbFrame frame;
    ASSERT_TRUE(frame.allocate(801, 3));
    EXPECT_EQ(frame.size(), 801u * 3 * 3);
    ASSERT_TRUE(frame.allocate(-5, 7));
    EXPECT_EQ(frame.size(), 0u);
}

TEST(ExportNames, ExtensionIsAddedUnlessTheNameHoldsIt) {
    const struct {
        std::string (*name)(const std::string&);
        const char* field;
        const char* file;
    } cases[] = {
        {pvfFileName, "scene", "scene.pvf"},       {pvfFileName, "scene.PVF", "scene.PVF"},
        {pvfFileName, "my.pvf.bak", "my.pvf.bak"}, {pvfFileName, "scene.Pvf", "scene.Pvf.pvf"},
        {bmpFileName, "shot.BMP", "shot.BMP"},     {bmpFileName, "shot.tga", "shot.tga.bmp"},
        {tgaFileName, "shot", "shot.tga"},         {tgaFileName, "a.TGA.x", "a.TGA.x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.name(c.field), c.file) << c.field;
}

// Each command reports, writes its file under the name its rule gives, and resets the name
// field; a name that cannot be created costs no redraw; other ids do nothing.
TEST(SaveCommands, ReportWriteAndResetTheName) {
    const std::string saved = "SYSTEM: Export do vektoroveho formatu PVF ";
    const std::string bmp = "SYSTEM: Export do bitmapy BMP ";
    const std::string tga = "SYSTEM: Export do bitmapy Truevision TARGA (TGA) ";
    const struct {
        int command;
        const char* field;
        std::string console;
        const char* file;
        int frameReads;
    } cases[] = {
        {100, "scene", saved + "probehl uspesne\n", "scene.pvf", 0},
        {100, "scene.PVF", saved + "probehl uspesne\n", "scene.PVF", 0},
        {100, "missing/scene", saved + "se nezdaril\n", nullptr, 0},
        {99, "shot", bmp + "probehl uspesne\n", "shot.bmp", 1},
        {99, "missing/shot", bmp + "se nezdaril\n", nullptr, 0},
        {101, "shot.TGA", tga + "probehl uspesne\n", "shot.TGA", 1},
        {101, "missing/shot", tga + "se nezdaril\n", nullptr, 0},
        {98, "scene", "", nullptr, 0},
        {102, "scene", "", nullptr, 0},
    };
    for (const auto& c : cases) {
        ScratchDir dir;
        AppFixture f;
        f.add(kLineDDA, {pt(1, 2), pt(3, 4)});
        f.frames.width = 5;
        f.frames.height = 3;
        f.frames.rgb = picture(5, 3);
        f.takeConsole();
        f.setFileName(dir.path(c.field));
        f.app.panelCommand(c.command);
        EXPECT_EQ(f.takeConsole(), c.console) << c.command << " " << c.field;
        EXPECT_EQ(f.frames.reads, c.frameReads) << c.command << " " << c.field;
        EXPECT_STREQ(f.app.fileName, c.console.empty() ? dir.path(c.field).c_str() : "export");
        const auto files = std::distance(std::filesystem::directory_iterator(dir.root), {});
        ASSERT_EQ(files, c.file ? 1 : 0) << c.command << " " << c.field;
        if (!c.file) continue;
        const std::string text = fileBytes(dir.path(c.file));
        if (c.command == 100) {
            EXPECT_NE(text.find("LINE_DDA\n1 2\n3 4\n"), std::string::npos);
        } else {
            EXPECT_EQ(parse(Bytes(text.begin(), text.end()), c.command == 101), picture(5, 3));
        }
    }
}

// A full field plus the extension is used as it is, not cut back to the field's size.
TEST(SaveCommands, NameBeyondTheFieldIsAccepted) {
    ScratchDir dir;
    const std::string folder = dir.path(std::string(200, 'd'));
    std::filesystem::create_directory(folder);
    const std::string name = folder + "/" + std::string(299 - folder.size() - 1, 'n');
    AppFixture f;
    f.takeConsole();
    f.setFileName(name);
    f.app.saveVectorFile();
    EXPECT_EQ(f.takeConsole(), "SYSTEM: Export do vektoroveho formatu PVF probehl uspesne\n");
    EXPECT_TRUE(std::filesystem::exists(name + ".pvf"));
}

// Out of memory for the pixels the program ends with -1.
TEST(SaveCommands, PixelsThatCannotBeAllocatedEndTheProcess) {
    ScratchDir dir;
    AppFixture f;
    f.frames.outOfMemory = true;
    f.setFileName(dir.path("shot"));
    f.app.exportTga();
    EXPECT_EQ(f.window.exits, std::vector<int>{-1});
}

}  // namespace
