#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "SaveCommandsSupport.h"
#include "VectorFileSupport.h"
#include "app/ObjectKind.h"

namespace {

const char* const kSaved = "SYSTEM: Export do vektoroveho formatu PVF probehl uspesne\n";
const char* const kNotSaved = "SYSTEM: Export do vektoroveho formatu PVF se nezdaril\n";
const char* const kBanner =
    "-------------------------------------------------------\n"
    " PIXELFORGE 1.0           Vyuka rastrove grafiky 2026  \n"
    "-------------------------------------------------------\n"
    "\n";

std::set<std::string> filesIn(const ScratchDir& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.root)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

struct NameCase {
    const char* field;
    const char* file;
};

TEST(SaveCommands, SaveNameRules) {
    const std::vector<NameCase> cases = {
        {"scene", "scene.pvf"},         {"scene.PVF", "scene.PVF"}, {"my.pvf.bak", "my.pvf.bak"},
        {"scene.Pvf", "scene.Pvf.pvf"}, {"a.PVF.pvf", "a.PVF.pvf"},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.field);
        ScratchDir dir;
        SaveCommandsApp t;
        t.newConsole();
        t.setFileName(dir.path(c.field));
        t.app->saveVectorFile();
        EXPECT_EQ(t.newConsole(), kSaved);
        EXPECT_EQ(filesIn(dir), std::set<std::string>{c.file});
        EXPECT_STREQ(t.app->fileName, "export");
    }
}

TEST(SaveCommands, SaveIntoAMissingDirectory) {
    ScratchDir dir;
    SaveCommandsApp t;
    t.newConsole();
    t.setFileName(dir.path("missing/scene"));
    t.app->panelCommand(100);
    EXPECT_EQ(t.newConsole(), kNotSaved);
    EXPECT_TRUE(filesIn(dir).empty());
    EXPECT_STREQ(t.app->fileName, "export");
}

// A full field plus the extension is used as it is, not cut back to the field's size.
TEST(SaveCommands, NameBeyondTheFieldIsAccepted) {
    ScratchDir dir;
    const std::string folder = dir.path(std::string(200, 'd'));
    std::filesystem::create_directory(folder);
    const std::string name = folder + "/" + std::string(299 - folder.size() - 1, 'n');
    ASSERT_EQ(name.size(), 299u);
    SaveCommandsApp t;
    t.newConsole();
    t.setFileName(name);
    t.app->saveVectorFile();
    EXPECT_EQ(t.newConsole(), kSaved);
    EXPECT_TRUE(std::filesystem::exists(name + ".pvf"));
}

TEST(SaveCommands, StartUpLoadsTheNamedFile) {
    ScratchDir dir;
    const std::string path = dir.path("abc.pvf");
    writeFile(path,
              "\nLINE_BRESENHAM 1 2 3 4\n"
              "CIRCLE_BRESENHAM 100 100 40\n"
              "LINE_DDA 12 34 56 78\n");
    SaveCommandsApp t(path.c_str());
    EXPECT_EQ(t.newConsole(), std::string(kBanner) + "SYSTEM: Vstoupil radkovy parametr " + path +
                                  "\nSYSTEM: Vektorovy soubor " + path + " byl uspesne nahran\n");
    EXPECT_EQ(t.errors.str(), "");
    EXPECT_EQ(kindsOf(t.app->objects2D),
              (std::vector<int>{kLineDDA, kCircleBresenham, kLineBresenham}));
    EXPECT_TRUE(t.app->objects2D.front().active);
    EXPECT_EQ(t.app->activeX, 12) << "the mirrors follow the loaded active object";
    EXPECT_EQ(t.app->activeY, 34);

    // Saving the loaded scene writes it in its new order: C, B, A.
    const std::string saved = dir.path("again.pvf");
    t.setFileName(saved);
    t.app->saveVectorFile();
    const std::string text = fileBytes(saved);
    EXPECT_LT(text.find("LINE_DDA\n12 34"), text.find("CIRCLE_BRESENHAM\n100 100\n40"));
    EXPECT_LT(text.find("CIRCLE_BRESENHAM"), text.find("LINE_BRESENHAM\n1 2\n3 4"));
}

TEST(SaveCommands, StartUpWithAFileThatCannotBeRead) {
    SaveCommandsApp missing("/nonexistent-dir/none.pvf");
    EXPECT_EQ(missing.newConsole(),
              std::string(kBanner) +
                  "SYSTEM: Vstoupil radkovy parametr /nonexistent-dir/none.pvf\n"
                  "SYSTEM: Nepodarilo se nahrat vektorovy soubor /nonexistent-dir/none.pvf\n");
    EXPECT_EQ(missing.errors.str(), "");

    ScratchDir dir;
    const std::string folder = dir.root.string();
    SaveCommandsApp unreadable(folder.c_str());
    EXPECT_EQ(unreadable.errors.str(), "SYSTEM: Chyba pri cteni souboru: Is a directory\n");
    EXPECT_EQ(unreadable.newConsole(),
              std::string(kBanner) + "SYSTEM: Vstoupil radkovy parametr " + folder +
                  "\nSYSTEM: Nepodarilo se nahrat vektorovy soubor " + folder + "\n");
    EXPECT_TRUE(unreadable.app->objects2D.empty());
}

TEST(SaveCommands, OtherPanelCommandsSaveNothing) {
    ScratchDir dir;
    SaveCommandsApp t;
    t.newConsole();
    t.setFileName(dir.path("scene"));
    for (int id : {0, 98, 102, 204, -1})
        t.app->panelCommand(id);
    EXPECT_EQ(t.newConsole(), "");
    EXPECT_TRUE(filesIn(dir).empty());
    EXPECT_EQ(t.frames.reads, 0);
}

}  // namespace
