#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "AppFixture.h"
#include "FileSupport.h"
#include "io/ExportNames.h"

namespace {

const char* const kSaved = "SYSTEM: Export do vektoroveho formatu PVF probehl uspesne\n";
const char* const kNotSaved = "SYSTEM: Export do vektoroveho formatu PVF se nezdaril\n";

std::set<std::string> filesIn(const ScratchDir& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.root)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// The extension is added unless the name holds it anywhere, all lower or all upper case.
TEST(ExportNames, ExtensionIsAddedUnlessTheNameHoldsIt) {
    const struct {
        std::string (*name)(const std::string&);
        const char* field;
        const char* file;
    } cases[] = {
        {pvfFileName, "scene", "scene.pvf"},       {pvfFileName, "scene.PVF", "scene.PVF"},
        {pvfFileName, "my.pvf.bak", "my.pvf.bak"}, {pvfFileName, "scene.Pvf", "scene.Pvf.pvf"},
        {pvfFileName, "a.PVF.pvf", "a.PVF.pvf"},   {bmpFileName, "shot.BMP", "shot.BMP"},
        {bmpFileName, "shot", "shot.bmp"},         {bmpFileName, "shot.tga", "shot.tga.bmp"},
        {bmpFileName, "a.bmp.old", "a.bmp.old"},   {bmpFileName, "shot.Bmp", "shot.Bmp.bmp"},
        {tgaFileName, "shot", "shot.tga"},         {tgaFileName, "shot.TGA", "shot.TGA"},
        {tgaFileName, "shot.bmp", "shot.bmp.tga"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.name(c.field), c.file) << c.field;
    }
}

// The save command reports, writes the named file or none, and resets the name field.
TEST(SaveCommands, SaveReportsAndResetsTheName) {
    const struct {
        const char* field;
        const char* console;
        std::set<std::string> files;
    } cases[] = {
        {"scene", kSaved, {"scene.pvf"}},
        {"scene.PVF", kSaved, {"scene.PVF"}},
        {"missing/scene", kNotSaved, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        ScratchDir dir;
        AppFixture f;
        f.takeConsole();
        f.setFileName(dir.path(c.field));
        f.app.panelCommand(100);
        EXPECT_EQ(f.takeConsole(), c.console);
        EXPECT_EQ(filesIn(dir), c.files);
        EXPECT_STREQ(f.app.mirrors.fileName, "export");
    }
}

// A full field plus the extension is used as it is, not cut back to the field's size.
TEST(SaveCommands, NameBeyondTheFieldIsAccepted) {
    ScratchDir dir;
    const std::string folder = dir.path(std::string(200, 'd'));
    std::filesystem::create_directory(folder);
    const std::string name = folder + "/" + std::string(299 - folder.size() - 1, 'n');
    ASSERT_EQ(name.size(), 299u);
    AppFixture f;
    f.takeConsole();
    f.setFileName(name);
    f.app.panelCommand(100);
    EXPECT_EQ(f.takeConsole(), kSaved);
    EXPECT_TRUE(std::filesystem::exists(name + ".pvf"));
}

TEST(SaveCommands, OtherPanelCommandsSaveNothing) {
    ScratchDir dir;
    AppFixture f;
    f.takeConsole();
    f.setFileName(dir.path("scene"));
    for (int id : {0, 98, 102, 204, -1})
        f.app.panelCommand(id);
    EXPECT_EQ(f.takeConsole(), "");
    EXPECT_TRUE(filesIn(dir).empty());
    EXPECT_EQ(f.frames.reads, 0);
}

}  // namespace
