#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "AppFixture.h"
#include "FileSupport.h"
#include "surfaces/TextureList.h"

namespace {

const std::string kHeading = "SYSTEM: Nacitam textury zapsane v textury.cfg ...\n";

class TextureListTest : public testing::Test {
  protected:
    TextureListTest() { app.textures.textureLabels.fill("unset"); }

    void writeList(const std::string& text) const { writeFile(listPath, text); }

    // Each loaded name gets a texture name of 100 plus its place in the order of loading, and
    // the status of reading its image as the program reads it.
    void load(const std::string& path) {
        loadTextureList(app.textures, path.c_str(), console, errors,
                        [this](const char* name, ImageStatus* status) {
                            BenImage image;
                            *status = readImage(name, image);
                            loaded.emplace_back(name);
                            return static_cast<unsigned int>(100 + loaded.size() - 1);
                        });
    }

    AppFixture fixture;
    Application& app = fixture.app;
    std::ostringstream console;
    std::ostringstream errors;
    ScratchDir dir;
    const std::string listPath = dir.path("textury.cfg");
    std::vector<std::string> loaded;
};

TEST_F(TextureListTest, LoadsEveryNameInOrderUnderItsLabel) {
    writeList("data/a.ben\ndata/b.ben\nc.ben\n");
    app.textures.textureIds[0] = 7;  // the start and end images are not the list's business
    app.textures.textureIds[1] = 8;
    load(listPath);

    EXPECT_EQ(console.str(), kHeading + "data/a.ben\ndata/b.ben\nc.ben\n");
    EXPECT_EQ(loaded, (std::vector<std::string>{"data/a.ben", "data/b.ben", "c.ben"}));
    EXPECT_EQ(app.textures.textureCount, 3);
    const unsigned int expectedIds[] = {7, 8, 100, 101, 102, 0};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(app.textures.textureIds[i], expectedIds[i]) << "entry " << i;
    EXPECT_EQ(app.textures.textureLabels[0], "Textura_0");
    EXPECT_EQ(app.textures.textureLabels[1], "Textura_1");
    EXPECT_EQ(app.textures.textureLabels[2], "Textura_2");
    EXPECT_EQ(app.textures.textureLabels[3], "unset");
}

TEST_F(TextureListTest, AnyWhiteSpaceSeparatesAndEndsNames) {
    const char* lists[] = {
        "one.ben\ntwo.ben\n",
        "one.ben\ntwo.ben",
        "  one.ben \t two.ben  ",
        "\n\none.ben\r\n\ttwo.ben\n\n\n",
    };
    for (const char* text : lists) {
        SCOPED_TRACE(testing::PrintToString(std::string(text)));
        console.str("");
        loaded.clear();
        app.textures.textureCount = 0;
        writeList(text);
        load(listPath);
        EXPECT_EQ(loaded, (std::vector<std::string>{"one.ben", "two.ben"}));
        EXPECT_EQ(console.str(), kHeading + "one.ben\ntwo.ben\n");
        EXPECT_EQ(app.textures.textureCount, 2);
    }
}

TEST_F(TextureListTest, EmptyListPrintsTheHeadingOnly) {
    for (const char* text : {"", "\n", "  \n\t \n"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(text)));
        console.str("");
        writeList(text);
        load(listPath);
        EXPECT_EQ(console.str(), kHeading);
        EXPECT_TRUE(loaded.empty());
        EXPECT_EQ(app.textures.textureCount, 0);
        EXPECT_EQ(app.textures.textureIds[2], 0u);
    }
}

TEST_F(TextureListTest, MissingListPrintsNothing) {
    load(dir.path("no-such-list.cfg"));
    EXPECT_EQ(console.str() + errors.str(), "");
    EXPECT_TRUE(loaded.empty());
    EXPECT_EQ(app.textures.textureCount, 0);
}

// Neither the list nor an image it names may wait on a FIFO or run on through a device: each is
// refused in one line, and a refused image keeps its place with the white texture. A name longer
// than the buffer is left out whole, never read as several names.
TEST_F(TextureListTest, FilesThatAreNotRegularAndOverlongNamesAreToldInOneLineEach) {
    std::string list;
    std::string lines;
    for (const std::string& path : {dir.fifo("fifo"), std::string("/dev/zero"), dir.path("")}) {
        load(path);
        list += path + "\n";
        lines += "SYSTEM: Chyba pri cteni souboru: " + path + " neni obycejny soubor\n";
    }
    const std::string longest(kMaxTextureName, 'y');
    writeList(list + std::string(kMaxTextureName + 1, 'x') + "\n" + longest + "\n");
    load(listPath);
    EXPECT_EQ(errors.str(), lines + lines + "SYSTEM: Chyba pri cteni souboru: nazev textury " +
                                "delsi nez 239 znaku vynechan\n");
    EXPECT_EQ(console.str(), kHeading + list + longest + "\n");
    EXPECT_EQ(app.textures.textureCount, 4);
}

TEST_F(TextureListTest, OnlyTwentyEightNamesFitTheTable) {
    std::string text;
    std::string expectedOutput = kHeading;
    for (int k = 0; k < 31; ++k) {
        const std::string name = "t" + std::to_string(k) + ".ben";
        text += name + "\n";
        if (k < 28) expectedOutput += name + "\n";
    }
    writeList(text);
    load(listPath);

    EXPECT_EQ(console.str(), expectedOutput);
    ASSERT_EQ(loaded.size(), 28u);
    EXPECT_EQ(loaded.back(), "t27.ben");
    EXPECT_EQ(app.textures.textureCount, 28);
    EXPECT_EQ(app.textures.textureIds[29], 127u);
    EXPECT_EQ(app.textures.textureLabels[27], "Textura_27");
    EXPECT_EQ(app.textures.textureLabels[28], "unset");
}

}  // namespace
