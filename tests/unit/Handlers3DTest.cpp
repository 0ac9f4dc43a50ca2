#include <gtest/gtest.h>

#include "Support.h"
#include "input/InputCodes.h"

namespace {

using Ints = std::vector<int>;

// The 3D mode with a panel holding the 3D point fields, Z and "Aktivni bod:" disabled as a
// new panel has them, and one grey Ferguson patch from the menu.
struct Surfaces : AppFixture {
    Surfaces() {
        app.mode.is3D = true;
        app.buildPanel2D(1);
        Panel& p = *app.panels.panel;
        (h.pointZ = &p.addIntSpinner(p.root(), "Z", &app.mirrors.activeZ))->disable();
        (h.activePointSpinner = &p.addIntSpinner(p.root(), "k", &app.editing.activePoint))
            ->disable();
        app.editing.activePoint = 7;  // a new patch starts at its point 0
        app.onSurfaceMenu(kSurfaceFerguson, 6);
    }
    void key(int special, int modifiers = 0) {
        window.modifierState = modifiers;
        app.onSpecialKey(special, 0, 0);
    }
    // Each surface's kind, negative when inactive, then what X, Y and Z show, whether the
    // weight's field is enabled and the weight in tenths.
    Ints seen() {
        Ints v;
        for (const SceneObject& o : app.scene.surfaces3D)
            v.push_back(o.active ? o.kind : -o.kind);
        v.insert(v.end(), {h.pointX->intValue, h.pointY->intValue, h.pointZ->intValue,
                           h.weight->enabled, int(10 * app.mirrors.activeWeight)});
        return v;
    }
    SceneObject& patch() { return app.scene.surfaces3D.front(); }
    PanelHandles& h = app.panels.handles;
};

// The flat start net: point 4i + j is (x_i, 0, z_j).
Point3 net(std::size_t k) { return {-15.0f + 10 * float(k / 4), 0, 15.0f - 10 * float(k % 4)}; }

bool near(const Point3& a, const Point3& b, float d) {
    return std::abs(a.x - b.x) <= d && std::abs(a.y - b.y) <= d && std::abs(a.z - b.z) <= d;
}

// A move sets the moved axis' mirror only; a turn sets all three, pauses passive motion and
// after 359 more brings every point back up to rounding.
TEST(SurfaceKeys, EachKeyMovesOrTurnsTheActivePointOrTheWholePatch) {
    using namespace input;
    // Key, modifiers, point 5 after it ((-5, 0, 5) before), the X, Y and Z mirrors (9 before).
    const std::tuple<int, int, Point3, std::array<int, 3>> rows[] = {
        {kKeyLeft, 0, {-6, 0, 5}, {-6, 9, 9}},
        {kKeyRight, 0, {-4, 0, 5}, {-4, 9, 9}},
        {kKeyUp, 0, {-5, 1, 5}, {9, 1, 9}},
        {kKeyDown, 0, {-5, -1, 5}, {9, -1, 9}},
        {kKeyPageUp, 0, {-5, 0, 4}, {9, 9, 4}},
        {kKeyPageDown, kShift, {-5, 0, 6}, {9, 9, 6}},
        {kKeyLeft, kShift | kCtrl, {-6, 0, 5}, {-6, 9, 9}},
        {kKeyLeft, kCtrl, {-5, 0.087262f, 4.999238f}, {-5, 0, 4}},
        {kKeyRight, kCtrl, {-5, -0.087262f, 4.999238f}, {-5, 0, 4}},
        {kKeyUp, kCtrl, {-4.911976f, 0, 5.086500f}, {-4, 0, 5}},
        {kKeyDown, kCtrl, {-5.086500f, 0, 4.911976f}, {-5, 0, 4}},
        {kKeyPageUp, kCtrl, {-4.999238f, -0.087262f, 5}, {-4, 0, 5}},
        {kKeyPageDown, kCtrl, {-4.999238f, 0.087262f, 5}, {-4, 0, 5}}};
    for (const auto& [key, modifiers, point5, m] : rows) {
        Surfaces f;
        f.app.editing.activePoint = 5;
        f.app.mirrors.activeX = f.app.mirrors.activeY = f.app.mirrors.activeZ = 9;
        f.key(key, modifiers);
        EXPECT_TRUE(near(f.patch().points[5], point5, 1e-5f)) << key << " " << modifiers;
        EXPECT_EQ(f.seen(), (Ints{15, m[0], m[1], m[2], 0, 0})) << key;
        const bool turn = modifiers == kCtrl;
        EXPECT_EQ(near(f.patch().points[0], net(0), 0.0f), !turn && modifiers != kShift);
        EXPECT_EQ(f.app.editing.syncPaused, turn);
        EXPECT_EQ(f.window.redisplays, 2);  // the menu's and the key's
        for (int i = 1; turn && i < 360; ++i)
            f.key(key, modifiers);
        for (std::size_t k = 0; turn && k < 16; ++k)
            EXPECT_TRUE(near(f.patch().points[k], net(k), 1e-3f)) << key << " " << k;
    }
}

// The grey Ferguson patch; rational and Coons patches before it. Enter from the Coons one
// shows point 0 of each in turn; Ctrl+End deletes them one by one; End shows point 6 or, with
// none left, clears the fields.
TEST(Keys3D, MenuMakesEnterWrapsCtrlEndDeletesAndEndRefreshes) {
    Surfaces f;
    EXPECT_EQ(f.seen(), (Ints{15, -15, 0, 15, 0, 0}));
    EXPECT_EQ(f.patch().pointCount + f.patch().points.size() + f.app.editing.activePoint, 32u);
    EXPECT_TRUE(f.h.pointZ->enabled && f.h.activePointSpinner->enabled);
    f.app.onSurfaceMenu(kSurfaceRationalBezier, 2);
    EXPECT_TRUE(f.h.weight->enabled && f.app.mirrors.activeWeight == 1.0f);
    f.app.onSurfaceMenu(kSurfaceCoons, 3);
    SceneObject& rational = *std::next(f.app.scene.surfaces3D.begin());
    rational.points[0] = {3.7f, -2.2f, 8.9f};
    rational.weights[0] = 2.5f;
    f.app.onKey(input::kKeyEnter, 0, 0);
    EXPECT_EQ(f.seen(), (Ints{-10, 5, -15, 3, -2, 8, 1, 25}));
    EXPECT_STREQ(f.app.mirrors.typeText, typeLabel(kSurfaceRationalBezier, true));
    f.app.onKey(input::kKeyEnter, 0, 0);
    EXPECT_FALSE(f.h.weight->enabled || f.app.mirrors.activeWeight != 0.0f);
    f.app.onKey(input::kKeyEnter, 0, 0);
    f.key(input::kKeyEnd, input::kCtrl);
    EXPECT_EQ(f.seen(), (Ints{5, -15, 0, 0, 0, 1, 10}));
    EXPECT_EQ(f.app.editing.activePoint + f.app.screens.exitScreen, -1);
    f.app.editing.activePoint = 6;
    f.key(input::kKeyEnd);
    EXPECT_EQ(f.seen(), (Ints{5, -15, -5, 0, -5, 1, 10}));
    EXPECT_STREQ(f.app.mirrors.typeText, typeLabel(kSurfaceRationalBezier, true));
    f.key(input::kKeyEnd, input::kCtrl);
    EXPECT_FALSE(f.h.weight->enabled);
    f.key(input::kKeyEnd, input::kCtrl);
    f.h.weight->enable();
    f.app.mirrors.activeX = f.app.mirrors.activeZ = 9;
    f.key(input::kKeyEnd);
    EXPECT_EQ(f.seen(), (Ints{0, 0, 0, 0, 0}));
    EXPECT_FALSE(f.h.pointX->enabled || f.h.pointZ->enabled || f.h.activePointSpinner->enabled);
    EXPECT_EQ(f.window.redisplays, 9);  // three patches made, three Enters, three deletions
}

// The pick answers 6 on the press, nothing on the release; the middle button, then Ctrl with
// the left, turn the view; then keys: rotY, rotX, zoom, whether the panel's rotation is back
// at the identity and whether "Typ :" was filled.
TEST(View3D, TheLeftButtonPicksTheMiddleButtonAndKeysTurnTheView) {
    Surfaces f;
    f.app.onSurfaceMenu(kSurfaceRationalBezier, 2);
    f.patch().weights[6] = 2.5f;
    f.views.pick = 6;
    f.app.onMouse(input::kLeftButton, input::kButtonDown, 100, 100);
    EXPECT_EQ(f.seen(), (Ints{5, -15, -5, 0, -5, 1, 25}));
    f.views.pick = -1;
    f.app.onMouse(input::kLeftButton, input::kButtonUp, 100, 100);
    EXPECT_EQ(f.app.editing.activePoint + f.app.mirrors.activeX, -6);
    f.app.onMouse(input::kMiddleButton, input::kButtonDown, 100, 100);
    f.app.onDrag(120, 90);
    f.app.onDrag(130, 95);
    f.app.onMouse(input::kMiddleButton, input::kButtonUp, 130, 95);
    f.app.onDrag(200, 200);
    f.window.modifierState = input::kCtrl;
    f.app.onMouse(input::kLeftButton, input::kButtonDown, 10, 10);
    f.app.onDrag(5, 12);
    EXPECT_EQ(f.views.asked.size(), 3u);  // the middle button never picks
    const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    std::ostringstream seen;
    for (char key : std::string(" +-+4312")) {
        std::fill(std::begin(f.app.view3D.sceneRotation), std::end(f.app.view3D.sceneRotation), 2);
        f.app.mirrors.typeText[0] = '\0';
        f.app.onKey(static_cast<unsigned char>(key), 0, 0);
        const View3D& v = f.app.view3D;
        seen << key << v.rotY << "," << v.rotX << "," << v.zoom << ","
             << std::equal(identity, identity + 16, v.sceneRotation)
             << (f.app.mirrors.typeText[0] != 0) << " ";
    }
    EXPECT_EQ(seen.str(),
              " 25,-3,40,00 +25,-3,39,01 -25,-3,40,01 +25,-3,39,01 425,-3,39,00 "
              "3-180,-90,39,10 10,0,39,10 2-90,0,39,10 ");
    EXPECT_EQ(f.window.redisplays, 14);  // two patches, three picks, three drags, six keys
}

}  // namespace
