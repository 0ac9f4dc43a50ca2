#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "Support.h"
#include "app/CommandLine.h"
#include "app/ObjectKind.h"
#include "app/Viewport.h"
#include "surfaces/TextureList.h"

namespace {

const std::string kBanner =
    "-------------------------------------------------------\n"
    " PIXELFORGE 1.0           Vyuka rastrove grafiky 2026  \n"
    "-------------------------------------------------------\n"
    "\n";

// A surface, then three 2D objects of which the last read is active.
std::string sceneText() {
    std::string scene = "\nSURFACE_BEZIER_BICUBIC\n16\n-7.9 3 12.6\n";
    for (int i = 1; i < 16; ++i)
        scene += "1 1 1\n";
    return scene + "1 0 0\n\nLINE_DDA\n10 20\n110 70\nCIRCLE_BRESENHAM 100 100 40\n" +
           "LINE_BRESENHAM\n33.7 44.2\n1 1\n";
}

// The console says whether the scene came in; damaged blocks and read errors are named on
// the error stream.
TEST(Startup, SceneFileOfTheCommandLine) {
    ScratchDir dir;
    writeFile(dir.path("scene.pvf"), sceneText());
    writeFile(dir.path("damaged.pvf"), "\nLINE_DDA 1 2 x 4\nLINE_DDA 1 2 3 4\nCIRCLE_BRESENHAM 1 1 -");
    const struct {
        std::string path;
        bool loaded;
        std::string errors;
        std::size_t objects, surfaces;
    } cases[] = {
        {dir.path("scene.pvf"), true, "", 3, 1},
        {dir.path("damaged.pvf"), true,
         "SYSTEM: Ze souboru " + dir.path("damaged.pvf") + " vynechano poskozenych bloku: 2\n", 1, 0},
        {dir.path("none.pvf"), false, "", 0, 0},
        {dir.root.string(), false, "SYSTEM: Chyba pri cteni souboru: Is a directory\n", 0, 0},
    };
    for (const auto& c : cases) {
        AppFixture f(c.path.c_str());
        EXPECT_EQ(f.takeConsole(),
                  kBanner + "SYSTEM: Vstoupil radkovy parametr " + c.path + "\n" +
                      (c.loaded ? "SYSTEM: Vektorovy soubor " + c.path + " byl uspesne nahran\n"
                                : "SYSTEM: Nepodarilo se nahrat vektorovy soubor " + c.path + "\n"));
        EXPECT_EQ(f.errors.str(), c.errors);
        EXPECT_EQ(f.app.objects2D.size(), c.objects) << c.path;
        EXPECT_EQ(f.app.surfaces3D.size(), c.surfaces) << c.path;
    }
    AppFixture none;
    EXPECT_EQ(none.takeConsole(), kBanner);
    none.app.printSpeedHeading();
    EXPECT_EQ(none.takeConsole(), "\nVypis Rasterizacnich rychlosti algoritmu [ms]\n\n");

    char program[] = "pixelforge", first[] = "a.pvf", second[] = "b.pvf";
    char* argv[] = {program, first, second, nullptr};
    EXPECT_EQ(sceneFileArgument(1, argv), nullptr);
    EXPECT_STREQ(sceneFileArgument(2, argv), "a.pvf");
    EXPECT_EQ(sceneFileArgument(3, argv), nullptr);
}

// x and y come from the active 2D object's first point, z from the active surface, truncated;
// saving writes the lists in their new order.
TEST(Startup, LoadedSceneFillsTheActivePointFields) {
    ScratchDir dir;
    writeFile(dir.path("scene.pvf"), sceneText());
    AppFixture f(dir.path("scene.pvf").c_str());
    EXPECT_EQ(f.app.activeX, 33);
    EXPECT_EQ(f.app.activeY, 44);
    EXPECT_EQ(f.app.activeZ, 12);
    f.setFileName(dir.path("again"));
    f.app.saveVectorFile();
    EXPECT_NE(fileBytes(dir.path("again.pvf"))
                  .find("; 2D grafika\n\nLINE_BRESENHAM\n33 44\n1 1\n\nCIRCLE_BRESENHAM\n100 100\n"
                        "40\n\nLINE_DDA\n10 20\n110 70\n\n; 3D grafika\n\nSURFACE_BEZIER_BICUBIC\n"
                        "16\n-7 3 12\n"),
              std::string::npos);
}

TEST(StartImage, WaveMovesOneStepEveryFourthFrame) {
    AppFixture f;
    auto column = [&] {
        std::vector<float> z;
        for (int i = 0; i < kLogoGridSize; ++i)
            z.push_back(f.app.logoGrid[i][5][2]);
        return z;
    };
    std::vector<float> wave = column();
    // One sine period over the 45 rows, the grid 0.4 apart from (-4.5, -4.5).
    EXPECT_NEAR(f.app.logoGrid[44][2][0], 13.1f, 1e-5f);
    EXPECT_NEAR(f.app.logoGrid[44][2][1], -3.7f, 1e-5f);
    EXPECT_NEAR(wave[44], -0.139173f, 1e-5f);
    for (int frame = 1; frame <= 9; ++frame) {
        f.app.advanceLogo();
        // The counter starts at 0 and shifts when it finds 4: on frames 5 and 9.
        if (frame % 4 == 1 && frame > 1) std::rotate(wave.begin(), wave.begin() + 1, wave.end());
        EXPECT_EQ(column(), wave) << "frame " << frame;
    }
}

// Escape shows the end image; N goes back, A ends with status 0 after releasing the scene.
// Without the end image both do nothing.
TEST(Keys, EscapeAsksAndAOrNAnswers) {
    const struct {
        std::vector<unsigned char> keys;
        int exitScreen, redisplays;
        std::vector<int> exits;
        const char* console;
    } cases[] = {
        {{27}, 1, 1, {}, ""},
        {{27, 'n'}, 0, 2, {}, ""},
        {{27, 'N'}, 0, 2, {}, ""},
        {{'A', 'a', 'N', 'n', 'x'}, 0, 0, {}, ""},
        {{27, 'a'}, 1, 1, {0}, "SYSTEM: Aplikace uspesne skoncila\n"},
        {{27, 'A'}, 1, 1, {0}, "SYSTEM: Aplikace uspesne skoncila\n"},
    };
    for (const auto& c : cases) {
        AppFixture f;
        f.add(kLineDDA, {pt(0, 0), pt(10, 10)});
        f.app.surfaces3D.emplace_front();
        f.takeConsole();
        for (unsigned char key : c.keys)
            f.app.onKey(key, 0, 0);
        EXPECT_EQ(f.app.exitScreen, c.exitScreen) << c.keys.back();
        EXPECT_EQ(f.window.redisplays, c.redisplays) << c.keys.back();
        EXPECT_EQ(f.window.exits, c.exits) << c.keys.back();
        EXPECT_EQ(f.takeConsole(), c.console);
        EXPECT_EQ(f.app.objects2D.empty() && f.app.surfaces3D.empty(), !c.exits.empty());
    }
}

TEST(Callbacks, MenuIdleAndMouse) {
    AppFixture f;
    f.app.activePoint = 3;
    f.app.onMenuStatus(1, 10, 10);
    EXPECT_EQ(f.app.activePoint, -1);
    f.app.mainWindow = 1;
    f.window.current = 2;
    f.app.onIdle();
    EXPECT_EQ(f.window.current, 1);

    // A left or right click ends the start image, the middle button does not.
    for (const auto& [button, ends] : {std::pair{1, false}, {0, true}, {2, true}}) {
        AppFixture g;
        g.app.onMouse(button, 1, 10, 10);
        EXPECT_EQ(g.app.showLogo, !ends) << button;
        EXPECT_EQ(g.window.redisplays, ends ? 1 : 0) << button;
    }
    EXPECT_EQ(snapDown16(805), 800);
    EXPECT_EQ(snapDown16(600), 592);
    EXPECT_EQ(snapDown16(15), 0);
}

// The type label follows the first active object of the chosen list and is cleared when there
// is none.
TEST(Callbacks, TypeLabelOfTheActiveObject) {
    AppFixture f;
    SceneObject surface;
    surface.kind = kSurfaceRationalBezier;
    surface.active = true;
    f.app.surfaces3D.push_front(surface);
    f.add(kLineTwoStep, {});
    f.add(kLineDDA, {}, false);
    const struct {
        std::function<void()> change;
        bool for3D;
        const char* label;
    } steps[] = {
        {[] {}, false, "Line Two-Step"},
        {[] {}, true, "Racional Bezier surface"},
        {[&] { f.add(kNurbsBezier, {}); }, false, "NURBS"},
        {[&] { f.app.objects2D.front().active = false; }, false, ""},
        {[&] { f.add(kLineLine2Step, {}); }, false, ""},
    };
    for (const auto& step : steps) {
        std::strcpy(f.app.typeText, "stale");
        step.change();
        f.app.updateTypeLabel(step.for3D);
        EXPECT_STREQ(f.app.typeText, step.label);
    }
    // The front one of two active objects wins, and the cursor stays on it.
    f.app.objects2D.back().active = true;
    f.app.objects2D.front().active = true;
    EXPECT_TRUE(f.app.findActive(f.app.objects2D));
    EXPECT_EQ(f.app.current, f.app.objects2D.begin());
}

}  // namespace
