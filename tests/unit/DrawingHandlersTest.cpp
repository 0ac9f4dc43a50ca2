#include <gtest/gtest.h>

#include "Support.h"
#include "input/InputCodes.h"

namespace {

using Menu = void (Application::*)(int);
constexpr Menu kLine = &Application::onLineMenu, kCircle = &Application::onCircleMenu;
constexpr Menu kEllipse = &Application::onEllipseMenu, kCurve = &Application::onCurveMenu;
constexpr Menu kRational = &Application::onRationalCubicMenu, kNurbs = &Application::onNurbsMenu;
constexpr Menu kBSpline = &Application::onBSplineMenu;

// Past the start image; positions in world units, which the fake view turns around in y.
struct Drawing : AppFixture {
    Drawing() { app.screens.showLogo = false; }
    void click(int x, int y, int modifiers = 0, int button = input::kLeftButton) {
        window.modifierState = modifiers;
        app.onMouse(button, input::kButtonDown, x, 592 - y);
        app.onMouse(button, input::kButtonUp, x, 592 - y);
    }
    void drag(int x, int y) { app.onDrag(x, 592 - y); }
    void key(int special, int modifiers = 0, int x = 100) {
        window.modifierState = modifiers;
        app.onSpecialKey(special, x, 100);
    }
    std::vector<float> xy() {
        std::vector<float> v;
        const SceneObject& o = app.scene.objects2D.front();
        for (std::size_t i = 0; i < placedPoints(o); ++i)
            v.insert(v.end(), {o.points[i].x, o.points[i].y});
        return v;
    }
};

// A menu entry, the clicks that follow it, the points it then holds; for a second command,
// the objects left after it.
struct Row {
    Menu menu;
    int value, clicks, count;
    Menu next = nullptr;
};

TEST(Placing, EveryKindTakesClicksUntilItsArraysAreFull) {
    const Row rows[] = {{kLine, 1, 2, 2},    {kCircle, 2, 1, 2},    {kEllipse, 1, 1, 2},
                        {kEllipse, 3, 1, 3}, {kCurve, 5, 4, 4},     {kRational, 2, 4, 4},
                        {kCurve, 9, 50, 50}, {kBSpline, 3, 50, 50}, {kNurbs, 1, 7, 7},
                        {kNurbs, 2, 4, 4}};
    for (const Row& r : rows) {
        Drawing f;
        f.app.buildPanel2D(1);
        (f.app.*r.menu)(r.value);
        EXPECT_EQ(f.window.redisplays, 1);  // the help cursor and the new object's type show
        int taken = 0;
        for (; f.app.editing.placing == 1 && taken < 60; ++taken)
            f.click(10 + taken, 20 + 2 * taken);
        EXPECT_EQ(f.app.editing.activePoint, r.clicks - 1);
        EXPECT_EQ(f.app.mirrors.activeY, 18 + 2 * r.clicks);  // the Y field shows it
        // A pick now, no point more.
        f.click(500, 500);
        const SceneObject& o = f.app.scene.objects2D.front();
        EXPECT_EQ(taken, r.clicks) << r.value;
        EXPECT_EQ(o.pointCount, r.count) << r.value;
        EXPECT_EQ(f.window.cursors, (std::vector<Cursor>{Cursor::Help, Cursor::LeftArrow}));
    }
}

// A menu command ends the placing before it: open curves with enough points stay, and the
// B-spline entry leaves any unfinished object in the list, inactive.
TEST(Placing, TheNextCommandKeepsOrDropsTheUnfinishedObject) {
    const Row rows[] = {{kCurve, 6, 3, 2, kLine},    {kCurve, 6, 1, 1, kLine},
                        {kCurve, 7, 4, 2, kCircle},  {kCurve, 7, 3, 1, kCircle},
                        {kNurbs, 1, 5, 1, kEllipse}, {kRational, 1, 3, 1, kLine},
                        {kLine, 1, 2, 2, kLine},     {kLine, 2, 1, 2, kBSpline}};
    for (const Row& r : rows) {
        Drawing f;
        (f.app.*r.menu)(r.value);
        for (int i = 0; i < r.clicks; ++i)
            f.click(10 * i, 30);
        (f.app.*r.next)(1);
        const ObjectList& list = f.app.scene.objects2D;
        EXPECT_EQ(list.size(), static_cast<std::size_t>(r.count)) << r.value << " " << r.clicks;
        EXPECT_FALSE(list.back().active && r.count == 2);
    }
}

TEST(Keys, EnterCyclesAndCtrlEndDeletesTheActiveObject) {
    Drawing f;
    f.key(input::kKeyEnd, input::kCtrl);  // an empty list: nothing
    f.add(kLineDDA, {{1, 1}, {2, 2}});
    SceneObject& nurbs = f.add(kNurbsCircle, {{10, 20}, {30, 40}});
    nurbs.weights = {1, 5};
    nurbs.knots = {0, 0.5f, 1};
    nurbs.knotCount = 4;  // a knot more than it holds
    f.add(kLineBresenham, {{3, 3}, {4, 4}}, false);
    f.app.buildPanel2D(1);
    f.app.editing.activePoint = 1;
    std::string seen;
    for (int i = 0; i < 3; ++i) {
        f.app.onKey(input::kKeyEnter, 0, 0);
        for (const SceneObject& o : f.app.scene.objects2D)
            seen += o.active ? '1' : '0';
        seen += " " + std::to_string(f.app.mirrors.activeY) + " ";
    }
    EXPECT_EQ(seen, "001 2 100 4 010 40 ");
    EXPECT_TRUE(f.app.panels.handles.weight->enabled &&
                f.app.panels.handles.knotSpinners[2]->enabled);
    EXPECT_EQ(f.app.mirrors.activeWeight, 5.0f);
    EXPECT_EQ(f.app.mirrors.knotValues[1], 0.5f);
    f.app.mirrors.knotValues[0] = 0.25f;
    f.window.redisplays = 0;
    f.app.onPassiveMotion(0, 0);  // the knot fields reach the NURBS, as far as its knots go
    EXPECT_EQ(nurbs.knots, (std::vector<float>{0.25f, 0.5f, 1}));
    EXPECT_EQ(f.window.redisplays, 1);
    nurbs.knots.assign(120, 42.0f);
    nurbs.knotCount = 120;
    f.app.onPassiveMotion(0, 0);  // never past the hundredth field
    EXPECT_EQ(std::pair(nurbs.knots[99], nurbs.knots[100]), std::pair(0.0f, 42.0f));
    const Panel* before = f.app.panels.panel;
    f.key(input::kKeyEnd);  // without Ctrl: nothing in 2D
    f.key(input::kKeyEnd, input::kCtrl);
    EXPECT_NE(f.app.panels.panel, before);  // built again without the NURBS's fields
    EXPECT_FALSE(f.app.panels.handles.knotSpinners[0]->enabled);
    EXPECT_EQ(f.app.mirrors.knotValues[1], 0.0f);
    EXPECT_STREQ(f.app.mirrors.typeText, "Line Opt. DDA");
    const PanelHandles& h = f.app.panels.handles;
    h.knotSpinners[0]->enable();  // as a NURBS would leave them; the next line locks and frees
    h.pointX->disable();
    f.window.redisplays = 0;
    f.key(input::kKeyEnd, input::kCtrl);
    EXPECT_EQ(std::tuple(h.knotSpinners[0]->enabled, h.pointX->enabled, f.window.redisplays),
              std::tuple(false, true, 1));
    f.key(input::kKeyEnd, input::kCtrl);  // the only object left
    EXPECT_TRUE(f.app.scene.objects2D.empty());
    EXPECT_EQ(f.app.editing.activePoint, -1);
}

// Insert, then a click on the window's top and left edges, which still lands in the view,
// then the middle button, which ends an open curve only.
TEST(Keys, InsertResumesAnOpenCurveOverTheViewButNeverARationalOne) {
    Drawing f;
    f.add(kBezierCurve, std::vector<Point3>(10));  // read from a file: room for ten
    f.key(input::kKeyEnd);                         // not Insert
    f.key(input::kKeyInsert, 0, 0);
    EXPECT_EQ(f.app.editing.placing, 0);
    f.key(input::kKeyInsert);
    f.click(0, 592);
    f.click(0, 0, 0, input::kMiddleButton);
    EXPECT_EQ(f.app.scene.objects2D.front().pointCount, 11);
    EXPECT_EQ(f.xy().back(), 591.0f);
    EXPECT_EQ(f.app.editing.placing, 0);
    f.add(kRationalBezierCurve, std::vector<Point3>(3));
    f.key(input::kKeyInsert);
    EXPECT_EQ(f.app.editing.placing, 0);
    f.app.onLineMenu(1);
    f.click(10, 10, input::kCtrl);
    EXPECT_EQ(f.app.scene.objects2D.front().pointCount, 1);
    EXPECT_EQ(f.app.editing.placing, 1);
}

// The type label is filled again on the way.
TEST(Keys, PixelSizeStaysWithinOneToTen) {
    Drawing f;
    f.add(kLineDDA, {});
    std::string sizes;
    for (char k : std::string("+++++++++++-----------")) {
        f.app.onKey(static_cast<unsigned char>(k), 0, 0);
        sizes += std::to_string(f.app.settings2D.pixelSize);
    }
    EXPECT_EQ(sizes, "2345678910101098765432111");
    EXPECT_STREQ(f.app.mirrors.typeText, "Line Opt. DDA");
}

// The grid starts as main asks; F11 and F12 switch the inactive points and the grid in 2D only.
TEST(Keys, F11AndF12SwitchIn2DOnly) {
    AppFixture f(nullptr, nullptr, 1);
    f.takeConsole();
    for (bool in3D : {false, false, true}) {
        f.app.mode.is3D = in3D;
        for (int key : {input::kKeyF11, input::kKeyF12})
            f.app.onSpecialKey(key, 0, 0);
    }
    EXPECT_EQ(f.takeConsole(),
              "SYSTEM: Zobrazovani neaktivnich bodu aktivovano\nSYSTEM: Rastrova mrizka OFF\n"
              "SYSTEM: Zobrazovani neaktivnich dodu deaktivovano\nSYSTEM: Rastrova mrizka ON\n");
}

TEST(Mouse, HandlesSetTheRadiusTheSemiAxesAndTheAngle) {
    Drawing f;
    f.app.onCircleMenu(1);
    f.click(100, 80);
    f.click(150, 80);  // the radius handle
    f.drag(60, 90);
    EXPECT_EQ(f.xy(), (std::vector<float>{100, 80, 60, 80}));
    EXPECT_EQ(f.app.scene.objects2D.front().sizeA, 40);
    f.app.onEllipseMenu(3);
    const SceneObject& e = f.app.scene.objects2D.front();
    f.click(200, 150);
    f.click(200, 170);  // the angle handle
    f.drag(245, 300);
    EXPECT_EQ(e.angle, 45);
    f.drag(170, 100);
    f.click(250, 250);  // the semi-axes handle
    f.drag(180, 120);
    f.click(200, 150);  // the centre takes every handle along
    f.drag(300, 300);
    EXPECT_EQ((std::vector<int>{e.angle, e.sizeA, e.sizeB}), (std::vector<int>{-30, 20, 30}));
    EXPECT_EQ(f.xy(), (std::vector<float>{300, 300, 320, 330, 270, 320}));
}

TEST(Mouse, PickWithinFiveUnitsThenShiftDragTheObjectRigidlyInsideTheViewOutsidePlacing) {
    Drawing f;
    f.add(kBezierCurve, {{10, 10}, {50, 20}, {90, 70}});
    for (const auto& [dx, dy] : {std::pair{6, 0}, {0, -6}, {-6, 5}}) {
        f.window.redisplays = 0;
        f.click(50 + dx, 20 + dy);  // out of reach: the highlight goes
        EXPECT_EQ(std::pair(f.app.editing.activePoint, f.window.redisplays), std::pair(-1, 1));
    }
    f.click(55, 15, input::kShift);  // a square of 11 by 11 around the point answers
    f.window.redisplays = 0;
    f.drag(60, 25);
    EXPECT_EQ(f.xy(), (std::vector<float>{20, 15, 60, 25, 100, 75}));
    f.drag(0, 30);  // the window's edge
    f.app.editing.placing = 1;
    f.drag(70, 30);
    EXPECT_EQ(f.xy(), (std::vector<float>{20, 15, 60, 25, 100, 75}));
    EXPECT_EQ(f.window.redisplays, 1);  // the one drag that moved
}

}  // namespace
