#include <gtest/gtest.h>

#include <cmath>

#include "Support.h"
#include "ui/Arcball.h"
#include "ui/PanelIds.h"

namespace {

// Sixteen points (k, -k - 0.5, k + 0.9) of weight 2.5, at the front of the surfaces.
SceneObject& addPatch(AppFixture& f, int32_t kind) {
    SceneObject& p = f.app.scene.surfaces3D.emplace_front();
    std::tie(p.kind, p.pointCount, p.active) = std::make_tuple(kind, 16, true);
    for (int k = 0; k < 16; ++k)
        p.points.push_back({float(k), -float(k) - 0.5f, float(k) + 0.9f});
    p.weights.assign(16, 2.5f);
    return p;
}

struct In3D : AppFixture {
    In3D() { app.onMainMenu2D(5); }
    Panel& right() { return *app.panels.panel; }
    Panel& view() { return *app.panels.viewPanel; }
};

TEST(Panel3D, ControlsInCreationOrderAndTheirLists) {
    AppFixture f, flat;
    f.app.textures.textureCount = 2;  // two loaded textures, named after their places
    f.app.onMainMenu2D(5);
    // The main commands below the mode button are those of the 2D panel.
    flat.app.buildPanel2D(1);
    const std::string flatRows = rows(*flat.app.panels.panel);
    const auto from = flatRows.find("|Vypnout"), to = flatRows.find("|Souradnice");
    EXPECT_EQ(rows(*f.app.panels.panel),
              "text|separator|Rasterizacni rychlost ^|"
              "Typ : w150|Cas [ms] :|separator|Hlavni nabidka|2D Pixelforge#103 w140" +
                  flatRows.substr(from, to - from) +
                  "|Souradnice aktivniho bodu|Aktivni bod:#3[0,15] w50 >|separator|"
                  "Hodnota v X:#4[-1000,1000] > s1|Hodnota v Y:#4[-1000,1000] > s1|Hodnota v "
                  "Z:#4[-1000,1000] > s1|Racionalni vaha:#4[1,100] >|Aktivni bod|<-#50 w50|column|"
                  "->#51 w50|Nastaveni renderingu|Zobrazovat plochu|Osovy kriz|Ridici polygon|"
                  "Plasticka mapa|Osvetleni plochy|Gouraudovo stinovani|Environment text. mapping|"
                  "Hustota site:[3,100] w60 >|separator|Polygon: > 100Trojuhelnik 200Ctverec "
                  "1Body =Ctverec|Material: > 0Zadny 1Medeny 2Perletovy   3Drugged 4Modre PVC "
                  "5Rude PVC 6Zelene PVC 7Fialove PVC =Zadny|Textura: > 0Zadna       2Textura_0 "
                  "3Textura_1 =Zadna      |Osvetleni sceny|Rotace Svetla|Cervena:[0,1] w10 >|"
                  "Zelena:[0,1] w10 >|Modra:[0,1] w10 >|Nastaveni barev editoru|"
                  "Pozadi:#5 > 0Bila 1Indigo 2Cerna 3Seda 4Zelena =Seda|Rid. polygon:#5 > "
                  "0Cervena 1Zelena 2Modra 3Zluta 4Fialova 5Azurova 6Cerna 7Seda 8Bila =Fialova|");
    EXPECT_EQ(rows(*f.app.panels.viewPanel),
              "Rotace sceny|column|X:#305 >|Y:#305 >|Z:#305 >|column|X-Y#12 w30|Y-Z#13 w30|"
              "Z-X#14 w30|column|XY#305 s10|column|X#305 s10|column|Y#305 s10|column|"
              "Zoom#305 s10|column|");
}

// "Aktivni bod:", X, Y, Z and the weight: 1 for enabled.
std::string pointFlags(AppFixture& f) {
    std::string flags;
    for (Control* c : f.app.panels.panel->controls())
        if (c->id == panel_id::kActivePoint3D || c->id == panel_id::kPoint3D)
            flags += c->enabled ? '1' : '0';
    return flags;
}

TEST(Panel3DCommands, ArrowsWrapAroundTheSixteenPointsAndMirrorThem) {
    In3D f;
    EXPECT_EQ(pointFlags(f), "00000");
    f.app.editing.activePoint = 1;
    f.right().userClick(find(f.right(), "<-"));
    f.right().userClick(find(f.right(), "<-"));
    EXPECT_EQ((std::array{f.app.editing.activePoint, f.app.mirrors.activeY}),
              (std::array{15, 0}));  // no patch: the fields stay

    addPatch(f, kSurfaceRationalBezier);
    f.app.panelCommand(panel_id::kTo2D);
    f.app.onMainMenu2D(5);
    EXPECT_EQ(pointFlags(f), "11111");
    f.app.editing.activePoint = 14;
    f.right().userClick(find(f.right(), "->"));
    EXPECT_EQ((std::array{f.app.editing.activePoint, f.app.mirrors.activeX, f.app.mirrors.activeY,
                          f.app.mirrors.activeZ, f.app.panels.handles.pointY->intValue}),
              (std::array{15, 15, -15, 15, -15}));  // truncated toward zero, and shown
    EXPECT_EQ((std::array{f.app.mirrors.activeWeight, f.app.scene.surfaces3D.front().points[15].y}),
              (std::array{2.5f, -15.5f}));  // the point only shown, not moved
    f.right().userClick(find(f.right(), "->"));
    EXPECT_EQ((std::array{f.app.editing.activePoint, f.app.mirrors.activeY}), (std::array{0, 0}));
    f.right().userSetInt(*f.app.panels.handles.activePointSpinner, 20);
    EXPECT_EQ(f.app.mirrors.activeZ, 15);
    f.app.editing.syncPaused = true;  // paused updates resume with a typed value
    std::tie(f.app.view3D.rotY, f.app.editing.activePoint, f.app.mirrors.activeWeight) =
        std::make_tuple(30, 0, 4.0f);
    f.app.mirrors.typeText[0] = '\0';
    f.right().userSetInt(*f.app.panels.handles.pointZ, -7);
    const SceneObject& patch = f.app.scene.surfaces3D.front();
    EXPECT_EQ(std::tuple(patch.points[0].z, patch.weights[0], f.app.view3D.rotY,
                         std::string(f.app.mirrors.typeText)),
              std::tuple(-7.0f, 4.0f, 30.0, std::string("Racional Bezier surface")));
}

TEST(Panel3DCommands, ViewPresetsUndoTheFreeRotationAndPanningReshapes) {
    In3D f;
    const float turned[16] = {0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    f.app.view3D.rotZ = 30;
    const int redisplays = f.window.redisplays;
    for (const auto& [button, rotY, rotX] :
         {std::tuple{"Y-Z", -90.0, 0.0}, {"Z-X", 0.0, -270.0}, {"X-Y", 0.0, 0.0}}) {
        f.view().userSetMatrix(find(f.view(), "Rotace sceny"), turned);
        f.view().userClick(find(f.view(), button));
        const float* m = f.app.view3D.sceneRotation;
        EXPECT_EQ((std::array{f.app.view3D.rotY, f.app.view3D.rotX, f.app.view3D.rotZ, double(m[0]),
                              double(m[1]), double(m[4]), double(m[5])}),
                  (std::array{rotY, rotX, 30.0, 1.0, 0.0, 0.0, 1.0}))
            << button;
    }
    for (const auto& [label, value] : {std::pair{"X:", 5.0f}, {"Y:", 2.0f}, {"Z:", 20.0f}})
        f.view().userSetFloat(find(f.view(), label), value);
    const OrthoBox& box = f.overlays.box;
    EXPECT_EQ((std::array{box.left, box.right, box.bottom, box.top}),
              (std::array{-25.0, 15.0, -22.0, 18.0}));
    // Pads move by a tenth of the pixels dragged: XY 10 right and 20 down, Zoom 30 up.
    f.view().userTranslate(find(f.view(), "XY"), 10, -20);
    f.view().userTranslate(find(f.view(), "Zoom"), 50, 30);
    const View3D& v = f.app.view3D;  // and the "Z:" field follows
    EXPECT_EQ((std::array{v.panX, v.panY, v.zoom, find(f.view(), "Z:").floatValue}),
              (std::array{6.0f, 0.0f, 23.0f, 23.0f}));
    EXPECT_EQ(f.window.redisplays - redisplays, 8);  // one for each button and edit
}

TEST(ModeSwitch, BothListsAndBothPanelsComeAndGo) {
    AppFixture f;
    f.add(kLineDDA, {{1, 2}, {3, 4}});
    f.app.buildPanel2D(1);
    addPatch(f, kSurfaceBezier);
    f.app.panels.panel->userClick(find(*f.app.panels.panel, "3D Pixelforge"));
    PanelMaster& master = f.app.panels.master;
    EXPECT_EQ(f.overlays.calls.back(), "3D");  // at once
    EXPECT_EQ(f.app.mirrors.typeText + (" " + pointFlags(f)), "Bezier surface 11110");

    f.app.panelCommand(panel_id::kHidePanel);
    EXPECT_EQ(master.bottomStrip() + master.rightStrip(), 0);
    f.app.mirrors.activeZ = 9;
    f.app.onMainMenu3D(13);
    EXPECT_EQ((std::array{master.bottomStrip(), f.app.editing.activePoint,
                          f.app.panels.handles.pointZ->intValue}),
              (std::array{kBottomPanelHeight, -1, 0}));

    f.app.panels.panel->userClick(find(*f.app.panels.panel, "2D Pixelforge"));
    EXPECT_EQ((std::vector(f.overlays.calls.end() - 2, f.overlays.calls.end())),
              (std::vector<std::string>{"flat", "2D 550x592"}));  // the whole height at once
    EXPECT_EQ(f.app.scene.objects2D.size() + f.app.scene.surfaces3D.size(), 2u);
    EXPECT_STREQ(f.app.mirrors.typeText, "Line Opt. DDA");
}

// Drags across a square of 100 pixels from its centre: half way to the rim is 30 degrees; a
// second drag turns after the first.
TEST(Arcball, DragsTurnAboutTheScreenAxes) {
    const float s = 0.5f, c = std::sqrt(0.75f), t = s * c;  // of 30 degrees; cos, sin of 60
    const std::tuple<std::vector<DragPoint>, float, std::array<float, 16>> table[] = {
        {{{75, 50}}, 1, {c, 0, -s, 0, 0, 1, 0, 0, s, 0, c, 0, 0, 0, 0, 1}},  // right: about y
        {{{50, 25}}, 1, {1, 0, 0, 0, 0, c, -s, 0, 0, s, c, 0, 0, 0, 0, 1}},  // up: front tips up
        {{{75, 50}}, 2, {s, 0, -c, 0, 0, 1, 0, 0, c, 0, s, 0, 0, 0, 0, 1}},  // spin 2: 60
        {{{50, 50}}, 1, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}},   // no drag
        {{{75, 50}, {50, 25}}, 1, {c, -.25f, -t, 0, 0, c, -s, 0, s, t, .75f, 0, 0, 0, 0, 1}},
    };
    for (const auto& [drags, spin, expected] : table) {
        float m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
        for (const DragPoint& to : drags)
            arcballTurn(m, {50, 50}, to, 100, spin);
        for (int i = 0; i < 16; ++i)
            EXPECT_NEAR(m[i], expected[i], 1e-5f) << drags.size() << drags[0].x << " " << i;
    }
}

}  // namespace
