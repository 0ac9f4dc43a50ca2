#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AppFixture.h"
#include "VectorFileSupport.h"
#include "app/CommandLine.h"
#include "app/StartImage.h"
#include "io/UniqueFile.h"

namespace {

TEST(Startup, BannerIsFourLinesOfFiftyFiveCharacters) {
    AppFixture f;
    const std::string console = f.takeConsole();
    EXPECT_EQ(console, kBanner);
    std::istringstream lines(console);
    std::string line;
    for (int i = 0; i < 3 && std::getline(lines, line); ++i)
        EXPECT_EQ(line.size(), 55u) << i;
}

TEST(Startup, OnlyASingleArgumentNamesASceneFile) {
    char program[] = "pixelforge";
    char first[] = "a.pvf";
    char second[] = "b.pvf";
    char* none[] = {program, nullptr};
    char* one[] = {program, first, nullptr};
    char* two[] = {program, first, second, nullptr};
    EXPECT_EQ(sceneFileArgument(1, none), nullptr);
    EXPECT_STREQ(sceneFileArgument(2, one), "a.pvf");
    EXPECT_EQ(sceneFileArgument(3, two), nullptr);
}

// A surface and three 2D objects, the last one read active.
std::string sceneText() {
    std::string scene = "\nSURFACE_BEZIER_BICUBIC\n16\n";
    for (int i = 0; i < 16; ++i)
        scene += i == 0 ? "-7.9 3 12.6\n" : "1 1 1\n";
    return scene + "1 0 0\n\nLINE_DDA\n10 20\n110 70\nCIRCLE_BRESENHAM 100 100 40\n" +
           "LINE_BRESENHAM\n33.7 44.2\n1 1\n";
}

// Damaged blocks are named on the error stream, a failed or refused read too; the console says
// only whether the scene came in.
TEST(Startup, SceneFileIsReportedOnTheConsoleAndFailuresOnTheErrorStream) {
    ScratchDir dir;
    const std::string good = dir.path("scene.pvf");
    writeFile(good, sceneText());
    const std::string damaged = dir.path("damaged.pvf");
    writeFile(damaged, "\nLINE_DDA 1 2 x 4\nLINE_DDA 10 20 110 70\nCIRCLE_BRESENHAM 1 1 9999999\n");
    const std::string fifo = dir.fifo("fifo.pvf");
    const struct {
        std::string path;
        bool loaded;
        std::string errors;
        std::size_t objects;
        std::size_t surfaces;
    } cases[] = {
        {good, true, "", 3, 1},
        {damaged, true, "SYSTEM: Ze souboru " + damaged + " vynechano poskozenych bloku: 2\n", 1,
         0},
        {dir.path("no/such/scene.pvf"), false, "", 0, 0},
        {dir.root.string(), false, notRegularFileLine(dir.root.string()) + "\n", 0, 0},
        {fifo, false, notRegularFileLine(fifo) + "\n", 0, 0},
        {"/dev/zero", false, notRegularFileLine("/dev/zero") + "\n", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        AppFixture f(c.path.c_str());
        EXPECT_EQ(
            f.takeConsole(),
            kBanner + "SYSTEM: Vstoupil radkovy parametr " + c.path + "\n" +
                (c.loaded ? "SYSTEM: Vektorovy soubor " + c.path + " byl uspesne nahran\n"
                          : "SYSTEM: Nepodarilo se nahrat vektorovy soubor " + c.path + "\n"));
        EXPECT_EQ(f.errors.str(), c.errors);
        EXPECT_EQ(f.app.scene.objects2D.size(), c.objects);
        EXPECT_EQ(f.app.scene.surfaces3D.size(), c.surfaces);
    }
}

// x and y from point 0 of the active 2D object, z from the active surface, truncated; saving
// writes the lists in their new order.
TEST(Startup, LoadedSceneIsMirroredIntoTheActivePointFieldsAndSavedInItsOrder) {
    ScratchDir dir;
    writeFile(dir.path("scene.pvf"), sceneText());
    AppFixture f(dir.path("scene.pvf").c_str());
    EXPECT_EQ(kindsOf(f.app.scene.objects2D),
              (std::vector<int>{kLineBresenham, kCircleBresenham, kLineDDA}));
    EXPECT_TRUE(f.app.scene.objects2D.front().active);
    EXPECT_EQ(f.app.mirrors.activeX, 33);
    EXPECT_EQ(f.app.mirrors.activeY, 44);
    EXPECT_EQ(f.app.mirrors.activeZ, 12);

    f.setFileName(dir.path("again.pvf"));
    f.app.panelCommand(100);
    EXPECT_NE(fileBytes(dir.path("again.pvf"))
                  .find("; 2D grafika\n\nLINE_BRESENHAM\n33 44\n1 1\n\nCIRCLE_BRESENHAM\n100 100\n"
                        "40\n\nLINE_DDA\n10 20\n110 70\n\n; 3D grafika\n"),
              std::string::npos);
}

TEST(Startup, SpeedHeadingIsFramedByEmptyLines) {
    AppFixture f;
    f.takeConsole();
    f.app.printSpeedHeading();
    EXPECT_EQ(f.takeConsole(), "\nVypis Rasterizacnich rychlosti algoritmu [ms]\n\n");
}

TEST(Startup, StartValues) {
    AppFixture f;
    const Application& a = f.app;
    EXPECT_FALSE(a.mode.is3D);
    EXPECT_EQ(a.settings2D.showGrid, 0);
    EXPECT_EQ(a.editing.activePoint, 0);
    EXPECT_EQ(a.render3D.surfaceLighting, 1);
    EXPECT_EQ(a.mode.panelShown, 1);
    EXPECT_EQ(a.view3D.zoom, 40.0f);
    EXPECT_EQ(a.view3D.panX, -10.0f);
    EXPECT_EQ(a.settings2D.segments, 100);
    EXPECT_EQ(a.render3D.polygonMode, 200);
    EXPECT_EQ(a.render3D.meshDensity, 15);
    EXPECT_EQ(a.colors.backgroundIndex, 3);
    EXPECT_EQ(a.colors.inactiveColorIndex, 6);
    EXPECT_EQ(a.colors.controlColorIndex, 2);
    EXPECT_EQ(a.colors.activeColorIndex, 3);
    EXPECT_EQ(a.colors.polygonColorIndex, 4);
    EXPECT_STREQ(a.mirrors.fileName, "export");
    EXPECT_STREQ(a.mirrors.typeText, "");
    EXPECT_TRUE(a.screens.showLogo);
    EXPECT_EQ(a.mirrors.activeX, 0);
    EXPECT_EQ(a.mirrors.activeY, 0);
    EXPECT_EQ(a.mirrors.activeWeight, 1.0f);
    EXPECT_EQ(a.colors.objectColor.r, 1.0f);
    EXPECT_EQ(a.colors.polygonColor.b, 1.0f);
    EXPECT_EQ(a.colors.controlColor.b, 1.0f);
    EXPECT_EQ(a.colors.activeColor.g, 1.0f);
    for (int k = 0; k < 15; ++k)
        EXPECT_EQ(a.mirrors.knotValues[k], 0.0f);
    EXPECT_EQ(a.view3D.sceneRotation[0], 1.0f);
    EXPECT_EQ(a.view3D.sceneRotation[5], 1.0f);
    EXPECT_EQ(a.view3D.sceneRotation[1], 0.0f);
}

TEST(StartImage, WaveMovesOneStepEveryFourthFrame) {
    AppFixture f;
    Application& a = f.app;
    float before[kLogoGridSize];
    for (int i = 0; i < kLogoGridSize; ++i)
        before[i] = a.screens.logoGrid[i][5][2];
    for (int frame = 0; frame < 4; ++frame)
        advanceLogo(a.screens);
    for (int i = 0; i < kLogoGridSize; ++i)
        ASSERT_EQ(a.screens.logoGrid[i][5][2], before[i]);
    advanceLogo(a.screens);  // the fifth frame finds the counter at four
    for (int i = 0; i < kLogoGridSize - 1; ++i)
        ASSERT_EQ(a.screens.logoGrid[i][5][2], before[i + 1]);
    EXPECT_EQ(a.screens.logoGrid[kLogoGridSize - 1][5][2], before[0]);
    EXPECT_EQ(a.screens.logoFrame, 1);
    for (int frame = 0; frame < 3; ++frame)
        advanceLogo(a.screens);
    EXPECT_EQ(a.screens.logoGrid[0][5][2], before[1]);
    advanceLogo(a.screens);
    EXPECT_EQ(a.screens.logoGrid[0][5][2], before[2]);
}

}  // namespace
