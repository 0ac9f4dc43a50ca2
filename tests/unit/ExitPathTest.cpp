#include <gtest/gtest.h>

#include "AppFixture.h"
#include "app/Viewport.h"

namespace {

TEST(ExitPath, EscapeAsksAndNReturns) {
    AppFixture f;
    f.add(kLineBresenham, {{0, 0, 0}, {10, 10, 0}});
    f.takeConsole();
    f.app.onKey(27, 0, 0);
    EXPECT_EQ(f.app.screens.exitScreen, 1);
    EXPECT_EQ(f.window.redisplays, 1);
    f.app.onKey('n', 0, 0);
    EXPECT_EQ(f.app.screens.exitScreen, 0);
    EXPECT_EQ(f.window.redisplays, 2);
    f.app.onKey(27, 0, 0);
    f.app.onKey('N', 0, 0);
    EXPECT_EQ(f.app.screens.exitScreen, 0);
    EXPECT_EQ(f.app.scene.objects2D.size(), 1u);
    EXPECT_TRUE(f.window.exitStatuses.empty());
    EXPECT_EQ(f.takeConsole(), "");
}

TEST(ExitPath, AEndsWithStatusZeroAfterReleasingTheScene) {
    for (unsigned char key : {'A', 'a'}) {
        AppFixture f;
        f.add(kLineDDA, {{0, 0, 0}, {10, 10, 0}});
        f.app.scene.surfaces3D.emplace_front();
        f.takeConsole();
        f.app.onKey(27, 0, 0);
        f.app.onKey(key, 0, 0);
        EXPECT_EQ(f.takeConsole(), "SYSTEM: Aplikace uspesne skoncila\n");
        EXPECT_EQ(f.window.exitStatuses, std::vector<int>{0});
        EXPECT_TRUE(f.app.scene.objects2D.empty());
        EXPECT_TRUE(f.app.scene.surfaces3D.empty());
    }
}

TEST(ExitPath, AAndNDoNothingWithoutTheEndScreen) {
    AppFixture f;
    f.takeConsole();
    for (unsigned char key : {'A', 'a', 'N', 'n'})
        f.app.onKey(key, 0, 0);
    EXPECT_EQ(f.app.screens.exitScreen, 0);
    EXPECT_EQ(f.window.redisplays, 0);
    EXPECT_TRUE(f.window.exitStatuses.empty());
    EXPECT_EQ(f.takeConsole(), "");
}

TEST(Callbacks, MenuStatusForgetsTheActivePoint) {
    AppFixture f;
    f.app.editing.activePoint = 3;
    f.app.onMenuStatus(1, 10, 10);
    EXPECT_EQ(f.app.editing.activePoint, -1);
    f.app.editing.activePoint = 2;
    f.app.onMenuStatus(0, 10, 10);
    EXPECT_EQ(f.app.editing.activePoint, -1);
}

TEST(Callbacks, IdleMakesTheMainWindowCurrent) {
    AppFixture f;
    f.app.mode.mainWindow = 1;
    f.window.current = 2;
    f.app.onIdle();
    EXPECT_EQ(f.window.current, 1);
}

TEST(Callbacks, LeftOrRightClickEndsTheStartImageMiddleDoesNot) {
    AppFixture f;
    f.app.onMouse(1, 0, 10, 10);
    EXPECT_TRUE(f.app.screens.showLogo);
    f.app.onMouse(2, 1, 10, 10);
    EXPECT_FALSE(f.app.screens.showLogo);
    EXPECT_EQ(f.window.redisplays, 1);

    AppFixture g;
    g.app.onMouse(0, 0, 10, 10);
    EXPECT_FALSE(g.app.screens.showLogo);
}

TEST(Viewport, SizesSnapDownToMultiplesOfSixteen) {
    EXPECT_EQ(snapDown16(805), 800);
    EXPECT_EQ(snapDown16(600), 592);
    EXPECT_EQ(snapDown16(800), 800);
    EXPECT_EQ(snapDown16(15), 0);
}

TEST(TypeLabel, FollowsTheActiveObjectOfTheChosenList) {
    AppFixture f;
    f.app.updateTypeLabel(false);
    EXPECT_STREQ(f.app.mirrors.typeText, "");
    f.add(kLineTwoStep, {{0, 0, 0}, {1, 1, 0}});
    f.add(kLineDDA, {{0, 0, 0}, {1, 1, 0}}, false);
    f.app.updateTypeLabel(false);
    EXPECT_STREQ(f.app.mirrors.typeText, "Line Two-Step");
    f.add(kNurbsBezier, {});
    f.app.updateTypeLabel(false);
    EXPECT_STREQ(f.app.mirrors.typeText, "NURBS");
    f.add(kLineLine2Step, {});
    f.app.updateTypeLabel(false);
    EXPECT_STREQ(f.app.mirrors.typeText, "");

    SceneObject surface;
    surface.kind = kSurfaceRationalBezier;
    surface.active = true;
    f.app.scene.surfaces3D.push_front(surface);
    f.app.updateTypeLabel(true);
    EXPECT_STREQ(f.app.mirrors.typeText, "Racional Bezier surface");
}

TEST(ActiveWalk, FirstActiveInListOrderWinsAndTheCursorStaysOnIt) {
    AppFixture f;
    f.add(kLineDDA, {}, true);
    f.add(kLineBresenham, {}, false);
    f.app.scene.objects2D.back().active = true;
    f.app.scene.objects2D.front().active = true;  // two flags set: the front one wins
    ASSERT_TRUE(f.app.scene.findActive(f.app.scene.objects2D));
    EXPECT_EQ(f.app.scene.current, f.app.scene.objects2D.begin());
    for (SceneObject& o : f.app.scene.objects2D)
        o.active = false;
    EXPECT_FALSE(f.app.scene.findActive(f.app.scene.objects2D));
    EXPECT_EQ(f.app.scene.current, f.app.scene.objects2D.end());
}

}  // namespace
