#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>

#include "AppFixture.h"
#include "app/CommandLine.h"

namespace {

const std::string kBanner =
    "-------------------------------------------------------\n"
    " PIXELFORGE 1.0           Vyuka rastrove grafiky 2026  \n"
    "-------------------------------------------------------\n"
    "\n";

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

TEST(Startup, MissingFileIsReportedAndTheSceneStaysEmpty) {
    AppFixture f("no/such/scene.pvf");
    EXPECT_EQ(f.takeConsole(),
              kBanner +
                  "SYSTEM: Vstoupil radkovy parametr no/such/scene.pvf\n"
                  "SYSTEM: Nepodarilo se nahrat vektorovy soubor no/such/scene.pvf\n");
    EXPECT_TRUE(f.app.objects2D.empty());
    EXPECT_TRUE(f.app.surfaces3D.empty());
}

TEST(Startup, LoadedSceneIsReportedAndMirroredIntoTheActivePointFields) {
    const std::string path = ::testing::TempDir() + "startup-scene.pvf";
    {
        std::ofstream file(path);
        file << "\nSURFACE_BEZIER_BICUBIC\n16\n";
        for (int i = 0; i < 16; ++i)
            file << (i == 0 ? "-7.9 3 12.6\n" : "1 1 1\n");
        file << "1 0 0\n\nLINE_DDA\n10 20\n110 70\n\nLINE_BRESENHAM\n33.7 44.2\n1 1\n";
    }
    AppFixture f(path.c_str());
    EXPECT_EQ(f.takeConsole(), kBanner + "SYSTEM: Vstoupil radkovy parametr " + path +
                                   "\nSYSTEM: Vektorovy soubor " + path + " byl uspesne nahran\n");
    ASSERT_EQ(f.app.objects2D.size(), 2u);
    EXPECT_EQ(f.app.objects2D.front().kind, kLineBresenham);
    // x and y from point 0 of the active 2D object, z from the active surface, truncated.
    EXPECT_EQ(f.app.activeX, 33);
    EXPECT_EQ(f.app.activeY, 44);
    EXPECT_EQ(f.app.activeZ, 12);
    EXPECT_EQ(f.errors.str(), "");
    std::remove(path.c_str());
}

TEST(Startup, DroppedBlocksAreNamedOnTheErrorStreamOnly) {
    const std::string path = ::testing::TempDir() + "damaged-scene.pvf";
    {
        std::ofstream file(path);
        file << "\nLINE_DDA 1 2 x 4\nLINE_DDA 10 20 110 70\nCIRCLE_BRESENHAM 1 1 9999999\n";
    }
    AppFixture f(path.c_str());
    EXPECT_EQ(f.takeConsole(), kBanner + "SYSTEM: Vstoupil radkovy parametr " + path +
                                   "\nSYSTEM: Vektorovy soubor " + path + " byl uspesne nahran\n");
    EXPECT_EQ(f.errors.str(), "SYSTEM: Ze souboru " + path + " vynechano poskozenych bloku: 2\n");
    EXPECT_EQ(f.app.objects2D.size(), 1u);
    std::remove(path.c_str());
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
    EXPECT_FALSE(a.is3D);
    EXPECT_EQ(a.showGrid, 0);
    EXPECT_EQ(a.activePoint, 0);
    EXPECT_EQ(a.surfaceLighting, 1);
    EXPECT_EQ(a.panelShown, 1);
    EXPECT_EQ(a.zoom, 40.0f);
    EXPECT_EQ(a.panX, -10.0f);
    EXPECT_EQ(a.segments, 100);
    EXPECT_EQ(a.polygonMode, 200);
    EXPECT_EQ(a.meshDensity, 15);
    EXPECT_EQ(a.backgroundIndex, 3);
    EXPECT_EQ(a.inactiveColorIndex, 6);
    EXPECT_EQ(a.controlColorIndex, 2);
    EXPECT_EQ(a.activeColorIndex, 3);
    EXPECT_EQ(a.polygonColorIndex, 4);
    EXPECT_STREQ(a.fileName, "export");
    EXPECT_STREQ(a.typeText, "");
    EXPECT_TRUE(a.showLogo);
    EXPECT_EQ(a.activeX, 0);
    EXPECT_EQ(a.activeY, 0);
    EXPECT_EQ(a.activeWeight, 1.0f);
    EXPECT_EQ(a.objectColor.r, 1.0f);
    EXPECT_EQ(a.polygonColor.b, 1.0f);
    EXPECT_EQ(a.controlColor.b, 1.0f);
    EXPECT_EQ(a.activeColor.g, 1.0f);
    for (int k = 0; k < 15; ++k)
        EXPECT_EQ(a.knotValues[k], 0.0f);
    EXPECT_EQ(a.sceneRotation[0], 1.0f);
    EXPECT_EQ(a.sceneRotation[5], 1.0f);
    EXPECT_EQ(a.sceneRotation[1], 0.0f);
}

TEST(StartImage, GridHoldsOneSineWaveAcrossItsRows) {
    AppFixture f;
    const auto& g = f.app.logoGrid;
    EXPECT_FLOAT_EQ(g[0][0][0], -4.5f);
    EXPECT_FLOAT_EQ(g[44][0][0], 0.4f * 44 - 4.5f);
    EXPECT_FLOAT_EQ(g[3][7][1], 0.4f * 7 - 4.5f);
    EXPECT_FLOAT_EQ(g[0][9][2], 0.0f);
    EXPECT_NEAR(g[11][0][2], std::sin(6.28318 * 11 / 45), 1e-6);
    EXPECT_FLOAT_EQ(g[11][0][2], g[11][30][2]);  // constant along a row
}

TEST(StartImage, WaveMovesOneStepEveryFourthFrame) {
    AppFixture f;
    Application& a = f.app;
    float before[kLogoGridSize];
    for (int i = 0; i < kLogoGridSize; ++i)
        before[i] = a.logoGrid[i][5][2];
    for (int frame = 0; frame < 4; ++frame)
        a.advanceLogo();
    for (int i = 0; i < kLogoGridSize; ++i)
        ASSERT_EQ(a.logoGrid[i][5][2], before[i]);
    a.advanceLogo();  // the fifth frame finds the counter at four
    for (int i = 0; i < kLogoGridSize - 1; ++i)
        ASSERT_EQ(a.logoGrid[i][5][2], before[i + 1]);
    EXPECT_EQ(a.logoGrid[kLogoGridSize - 1][5][2], before[0]);
    EXPECT_EQ(a.logoFrame, 1);
    for (int frame = 0; frame < 3; ++frame)
        a.advanceLogo();
    EXPECT_EQ(a.logoGrid[0][5][2], before[1]);
    a.advanceLogo();
    EXPECT_EQ(a.logoGrid[0][5][2], before[2]);
}

}  // namespace
