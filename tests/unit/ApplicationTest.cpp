#include <gtest/gtest.h>

#include <algorithm>

#include "Support.h"
#include "app/CommandLine.h"
#include "app/Viewport.h"
#include "io/UniqueFile.h"

namespace {

const std::string kBanner =
    "-------------------------------------------------------\n"
    " PIXELFORGE 1.0           Vyuka rastrove grafiky 2026  \n"
    "-------------------------------------------------------\n\n";

// A surface, then three 2D objects of which the last read is active.
std::string sceneText() {
    std::string scene = "\nSURFACE_BEZIER_BICUBIC\n16\n-7.9 3 12.6\n";
    for (int i = 1; i < 16; ++i)
        scene += "1 1 1\n";
    return scene +
           "1 0 0\n\nLINE_DDA\n10 20\n110 70\nCIRCLE_BRESENHAM 100 100 40\nLINE_BRESENHAM\n33.7 "
           "44.2\n1 1\n";
}

// Only a single argument names a scene file. The console says whether it came in; damaged
// blocks and read errors are named on the error stream. A curve without points may be active.
TEST(Startup, SceneFileOfTheCommandLine) {
    char program[] = "pixelforge", first[] = "a.pvf";
    char* argv[] = {program, first, first, nullptr};
    EXPECT_EQ(sceneFileArgument(1, argv), nullptr);
    EXPECT_STREQ(sceneFileArgument(2, argv), "a.pvf");
    EXPECT_EQ(sceneFileArgument(3, argv), nullptr);

    ScratchDir dir;
    const std::string good = dir.path("scene.pvf"), damaged = dir.path("damaged.pvf");
    writeFile(good, sceneText());
    writeFile(damaged, "\nLINE_DDA 1 2 x 4\nLINE_DDA 1 2 3 4\nSPLINE_BEZIER 0\n");
    const std::tuple<std::string, bool, std::string, std::size_t, std::size_t> cases[] = {
        {good, true, "", 3, 1},
        {damaged, true, "SYSTEM: Ze souboru " + damaged + " vynechano poskozenych bloku: 1\n", 2,
         0},
        {dir.path("none.pvf"), false, "", 0, 0},
        {dir.root.string(), false, notRegularFileLine(dir.root.string()) + "\n", 0, 0},
        {dir.fifo("fifo.pvf"), false, notRegularFileLine(dir.path("fifo.pvf")) + "\n", 0, 0},
        {"/dev/zero", false, notRegularFileLine("/dev/zero") + "\n", 0, 0}};
    for (const auto& [path, loaded, errors, objects, surfaces] : cases) {
        AppFixture f(path.c_str());
        EXPECT_EQ(f.takeConsole(),
                  kBanner + "SYSTEM: Vstoupil radkovy parametr " + path + "\nSYSTEM: " +
                      (loaded ? "Vektorovy soubor " + path + " byl uspesne nahran\n"
                              : "Nepodarilo se nahrat vektorovy soubor " + path + "\n"));
        EXPECT_EQ(f.errors.str(), errors);
        EXPECT_EQ(f.app.scene.objects2D.size(), objects) << path;
        EXPECT_EQ(f.app.scene.surfaces3D.size(), surfaces) << path;
    }
    AppFixture none;
    EXPECT_EQ(none.takeConsole(), kBanner);
    none.app.printSpeedHeading();
    EXPECT_EQ(none.takeConsole(), "\nVypis Rasterizacnich rychlosti algoritmu [ms]\n\n");
}

// x and y come from the active 2D object's first point, z from the active surface,
// truncated; saving writes the lists in their new order.
TEST(Startup, LoadedSceneFillsTheActivePointFields) {
    ScratchDir dir;
    writeFile(dir.path("scene.pvf"), sceneText());
    AppFixture f(dir.path("scene.pvf").c_str());
    EXPECT_EQ(
        std::vector<int>({f.app.mirrors.activeX, f.app.mirrors.activeY, f.app.mirrors.activeZ}),
        std::vector<int>({33, 44, 12}));
    f.setFileName(dir.path("again"));
    f.app.panelCommand(100);
    EXPECT_NE(
        fileBytes(dir.path("again.pvf"))
            .find(
                "\nLINE_BRESENHAM\n33 44\n1 1\n\nCIRCLE_BRESENHAM\n100 100\n40\n\nLINE_DDA\n10 20\n"
                "110 70\n\n; 3D grafika\n\nSURFACE_BEZIER_BICUBIC\n16\n-7 3 12\n"),
        std::string::npos);
}

// One sine period over the 45 rows of a grid 0.4 apart from (-4.5, -4.5); the counter starts
// at 0 and every time it finds 4 the rows take the heights of the next.
TEST(StartImage, WaveMovesOneStepEveryFourthFrame) {
    AppFixture f;
    auto column = [&] {
        std::vector<float> z;
        for (int i = 0; i < kLogoGridSize; ++i)
            z.push_back(f.app.screens.logoGrid[i][5][2]);
        return z;
    };
    EXPECT_NEAR(f.app.screens.logoGrid[44][2][0], 13.1f, 1e-5f);
    EXPECT_NEAR(f.app.screens.logoGrid[44][2][1], -3.7f, 1e-5f);
    EXPECT_NEAR(f.app.screens.logoGrid[44][2][2], -0.139173f, 1e-5f);
    std::vector<float> wave = column();
    for (int frame = 1; frame <= 9; ++frame) {
        advanceLogo(f.app.screens);
        if (frame == 5 || frame == 9) std::rotate(wave.begin(), wave.begin() + 1, wave.end());
        EXPECT_EQ(column(), wave) << "frame " << frame;
    }
}

// Escape shows the end image; N goes back, A ends with status 0 after releasing the scene.
// Without the end image both do nothing.
TEST(Keys, EscapeAsksAndAOrNAnswers) {
    const std::tuple<std::vector<unsigned char>, int, int, std::vector<int>> cases[] = {
        {{27}, 1, 1, {}},       {{27, 'n'}, 0, 2, {}},
        {{27, 'N'}, 0, 2, {}},  {{'A', 'a', 'N', 'n', 'x'}, 0, 0, {}},
        {{27, 'a'}, 1, 1, {0}}, {{27, 'A'}, 1, 1, {0}}};
    for (const auto& [keys, exitScreen, redisplays, exits] : cases) {
        AppFixture f;
        f.add(kLineDDA, {pt(0, 0), pt(10, 10)});
        f.app.scene.surfaces3D.emplace_front();
        f.takeConsole();
        for (unsigned char key : keys)
            f.app.onKey(key, 0, 0);
        EXPECT_EQ(f.app.screens.exitScreen, exitScreen) << keys.back();
        EXPECT_EQ(f.window.redisplays, redisplays) << keys.back();
        EXPECT_EQ(f.window.exits, exits) << keys.back();
        EXPECT_EQ(f.takeConsole(), exits.empty() ? "" : "SYSTEM: Aplikace uspesne skoncila\n");
        EXPECT_EQ(f.app.scene.objects2D.size() + f.app.scene.surfaces3D.size(),
                  exits.empty() ? 2u : 0u);
    }
}

// Counts the panels freed.
struct FreeingHost final : PanelHost {
    void opened(Panel&) override {}
    void closed(Panel&) override {}
    void destroyed(Panel&) override { ++freed; }
    void edited(Panel&, Control&) override {}
    void changed(Panel&) override {}
    int freed = 0;
};

// Idle time frees the panels closed: here the 2D one that the switch to 3D replaced; a panel
// shown stays.
TEST(Callbacks, MenuIdleMouseAndWindowSize) {
    AppFixture f;
    f.app.editing.activePoint = 3;
    f.app.onMenuStatus(1, 10, 10);
    EXPECT_EQ(f.app.editing.activePoint, -1);
    FreeingHost host;
    f.app.panels.master.setHost(&host);
    f.app.buildPanel2D(1);
    f.app.onMainMenu2D(5);
    f.app.onMainMenu3D(13);
    f.app.mode.mainWindow = 1;
    f.window.current = 2;
    f.app.onIdle();
    EXPECT_EQ(f.window.current, 1);
    EXPECT_EQ(std::make_pair(host.freed, f.app.panels.master.panels().size()),
              std::make_pair(1, std::size_t{2}));
    // A left or right click ends the start image, the middle button does not.
    for (const auto& [button, ends] : {std::pair{1, false}, {0, true}, {2, true}}) {
        AppFixture g;
        g.app.onMouse(button, 1, 10, 10);
        EXPECT_EQ(g.app.screens.showLogo, !ends) << button;
        EXPECT_EQ(g.window.redisplays, ends ? 1 : 0) << button;
    }
    EXPECT_EQ(std::vector<int>({snapDown16(805), snapDown16(600), snapDown16(15)}),
              std::vector<int>({800, 592, 0}));
}

// The type label follows the first active object of the chosen list and is cleared when
// there is none; the cursor stays on that object. Filling the knot fields leaves it.
TEST(Callbacks, TypeLabelOfTheActiveObject) {
    AppFixture f;
    f.app.scene.surfaces3D.emplace_front().kind = kSurfaceRationalBezier;
    f.app.scene.surfaces3D.front().active = true;
    f.add(kLineTwoStep, {});
    f.add(kLineDDA, {}, false);
    auto label = [&](bool for3D) {
        std::strcpy(f.app.mirrors.typeText, "stale");
        f.app.updateTypeLabel(for3D);
        return std::string(f.app.mirrors.typeText);
    };
    EXPECT_EQ(label(false), "Line Two-Step");
    EXPECT_EQ(label(true), "Racional Bezier surface");
    SceneObject& nurbs = f.add(kNurbsBezier, {});
    nurbs.knots.assign(std::size_t(nurbs.knotCount = 120), 0.5f);  // more than the 100 fields
    f.app.mode.panelShown = 0;
    f.app.onMainMenu2D(13);
    EXPECT_STREQ(f.app.mirrors.typeText, "NURBS");
    f.app.scene.objects2D.front().active = false;
    EXPECT_EQ(label(false), "");
    f.add(kLineLine2Step, {});
    EXPECT_EQ(label(false), "");
    f.app.scene.objects2D.back().active = f.app.scene.objects2D.front().active = true;
    EXPECT_TRUE(f.app.scene.findActive(f.app.scene.objects2D));
    EXPECT_EQ(f.app.scene.current, f.app.scene.objects2D.begin());
}

}  // namespace
