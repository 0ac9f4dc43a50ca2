#include <gtest/gtest.h>

#include <cmath>

#include "Support.h"
#include "ui/Arcball.h"
#include "ui/PanelIds.h"

namespace {

Control& find(Panel& panel, const std::string& label) {
    for (Control* c : panel.controls())
        if (c->label == label) return *c;
    throw std::runtime_error("no control " + label);
}

// Each control as its label (its type when it has none), "#id" and "[low,high]" when it has them.
std::string rows(Panel& panel) {
    std::string text;
    for (Control* c : panel.controls()) {
        const bool blank = c->label.find_first_not_of(' ') == std::string::npos;
        text += (blank ? typeWord(c->type) : c->label) + std::string(c->id == -1 ? "" : "#") +
                (c->id == -1 ? "" : std::to_string(c->id));
        if (c->limited)
            text += "[" + std::to_string(int(c->low)) + "," + std::to_string(int(c->high)) + "]";
        text += "|";
    }
    return text;
}

// Sixteen points (k, -k - 0.5, k + 0.9) of weight 2.5, at the front of the surfaces.
SceneObject& addPatch(AppFixture& f, int32_t kind) {
    SceneObject p;
    p.kind = kind;
    for (int k = 0; k < 16; ++k)
        p.points.push_back({float(k), -float(k) - 0.5f, float(k) + 0.9f});
    p.weights.assign(16, 2.5f);
    p.active = true;
    return f.app.scene.surfaces3D.emplace_front(p);
}

struct In3D : AppFixture {
    In3D() { app.onMainMenu2D(5); }
    Panel& right() { return *app.panels.panel; }
    Panel& view() { return *app.panels.viewPanel; }
};

TEST(Panel3D, ControlsInCreationOrderAndTheirLists) {
    In3D f;
    // The main commands below the mode button are those of the 2D panel.
    AppFixture flat;
    flat.app.buildPanel2D(1);
    const std::string flatRows = rows(*flat.app.panels.panel);
    const auto from = flatRows.find("3D Pixelforge#203") + 17;
    const std::string shared = flatRows.substr(from, flatRows.find("|Souradnice") - from);
    EXPECT_EQ(rows(f.right()),
              "text|separator|Rasterizacni rychlost|Typ :|Cas [ms] :|separator|Hlavni nabidka|"
              "2D Pixelforge#103" +
                  shared +
                  "|Souradnice aktivniho bodu|Aktivni bod:#3[0,15]|separator|"
                  "Hodnota v X:#4[-1000,1000]|Hodnota v Y:#4[-1000,1000]|"
                  "Hodnota v Z:#4[-1000,1000]|Racionalni vaha:#4[1,100]|Aktivni bod|<-#50|"
                  "column|->#51|Nastaveni renderingu|Zobrazovat plochu|Osovy kriz|Ridici polygon|"
                  "Plasticka mapa|Osvetleni plochy|Gouraudovo stinovani|"
                  "Environment text. mapping|Hustota site:[3,100]|separator|Polygon:|Material:|"
                  "Textura:|Osvetleni sceny|Rotace Svetla|Cervena:[0,1]|Zelena:[0,1]|"
                  "Modra:[0,1]|Nastaveni barev editoru|Pozadi:#5|Rid. polygon:#5|");
    EXPECT_EQ(rows(f.view()),
              "Rotace sceny|column|X:#305|Y:#305|Z:#305|column|X-Y#12|Y-Z#13|Z-X#14|column|"
              "XY#305|column|X#305|column|Y#305|column|Zoom#305|column|");

    Control& polygon = find(f.right(), "Polygon:");
    EXPECT_EQ(polygon.itemText(polygon.intValue), "Ctverec");
    using Items = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(find(f.right(), "Textura:").items, (Items{{0, "Zadna      "}}));
    f.app.onMainMenu3D(5);
    f.app.textures.textureCount = 2;
    f.app.onMainMenu2D(5);
    EXPECT_EQ(find(f.right(), "Textura:").items,
              (Items{{0, "Zadna      "}, {2, "Textura_0"}, {3, "Textura_1"}}));
}

// "Aktivni bod:", X, Y, Z and the weight: 1 for enabled.
std::string pointFlags(AppFixture& f) {
    const PanelHandles& h = f.app.panels.handles;
    std::string flags;
    for (Control* c : {h.activePointSpinner, h.pointX, h.pointY, h.pointZ, h.weight})
        flags += c->enabled ? '1' : '0';
    return flags;
}

TEST(Panel3DCommands, ArrowsWrapAroundTheSixteenPointsAndMirrorThem) {
    In3D f;
    EXPECT_EQ(pointFlags(f), "00000");
    f.app.editing.activePoint = 0;
    f.right().userClick(find(f.right(), "<-"));
    EXPECT_EQ(f.app.editing.activePoint, 15);
    EXPECT_EQ(f.app.mirrors.activeY, 0);  // no patch: the fields stay

    addPatch(f, kSurfaceRationalBezier);
    f.app.panelCommand(panel_id::kTo2D);
    f.app.onMainMenu2D(5);
    EXPECT_EQ(pointFlags(f), "11111");
    f.app.editing.activePoint = 14;
    f.right().userClick(find(f.right(), "->"));
    EXPECT_EQ((std::array{f.app.editing.activePoint, f.app.mirrors.activeX, f.app.mirrors.activeY,
                          f.app.mirrors.activeZ, f.app.panels.handles.pointY->intValue}),
              (std::array{15, 15, -15, 15, -15}));  // truncated toward zero, and shown
    EXPECT_EQ(f.app.mirrors.activeWeight, 2.5f);
    f.right().userClick(find(f.right(), "->"));
    EXPECT_EQ(f.app.editing.activePoint, 0);
    EXPECT_EQ(f.app.mirrors.activeY, 0);
    f.right().userSetInt(*f.app.panels.handles.activePointSpinner, 20);
    EXPECT_EQ(f.app.mirrors.activeZ, 15);
    f.right().userSetInt(*f.app.panels.handles.pointZ, -7);  // a typed Z moves the point
    EXPECT_EQ(f.app.scene.surfaces3D.front().points[15].z, -7.0f);
}

TEST(Panel3DCommands, ViewPresetsUndoTheFreeRotationAndPanningReshapes) {
    In3D f;
    const float turned[16] = {0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    f.app.view3D.rotZ = 30;
    for (const auto& [button, rotY, rotX] :
         {std::tuple{"Y-Z", -90.0, 0.0}, std::tuple{"Z-X", 0.0, -270.0},
          std::tuple{"X-Y", 0.0, 0.0}}) {
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
    EXPECT_EQ((std::array{f.app.view3D.panX, f.app.view3D.panY, f.app.view3D.zoom}),
              (std::array{6.0f, 0.0f, 23.0f}));
    EXPECT_EQ(box.left, -29.0);
}

TEST(ModeSwitch, BothListsAndBothPanelsComeAndGo) {
    AppFixture f;
    f.add(kLineDDA, {{1, 2}, {3, 4}});
    f.app.buildPanel2D(1);
    addPatch(f, kSurfaceBezier);
    f.app.panels.panel->userClick(find(*f.app.panels.panel, "3D Pixelforge"));
    PanelMaster& master = f.app.panels.master;
    EXPECT_EQ(master.bottomStrip() + master.rightStrip(), kBottomPanelHeight + kRightPanelWidth);
    EXPECT_EQ((std::array{f.overlays.viewportY, f.overlays.calls.back() == "3D" ? 1 : 0}),
              (std::array{kBottomPanelHeight, 1}));  // the 3D view above the view panel at once
    EXPECT_STREQ(f.app.mirrors.typeText, "Bezier surface");  // the active patch's
    EXPECT_EQ(pointFlags(f), "11110");                       // no weights

    f.app.panelCommand(panel_id::kHidePanel);
    EXPECT_EQ(master.bottomStrip() + master.rightStrip(), 0);
    f.app.mirrors.activeZ = 9;
    f.app.onMainMenu3D(13);
    EXPECT_EQ((std::array{master.bottomStrip(), f.app.editing.activePoint,
                          f.app.panels.handles.pointZ->intValue}),
              (std::array{kBottomPanelHeight, -1, 0}));

    f.app.panels.panel->userClick(find(*f.app.panels.panel, "2D Pixelforge"));
    EXPECT_EQ(master.bottomStrip(), 0);
    EXPECT_EQ((std::vector(f.overlays.calls.end() - 2, f.overlays.calls.end())),
              (std::vector<std::string>{"flat", "2D 550x592"}));  // the 2D view at once
    EXPECT_EQ(f.window.titles, (std::vector<std::string>{"3D PIXELFORGE", "2D PIXELFORGE"}));
    EXPECT_EQ(f.app.scene.objects2D.size() + f.app.scene.surfaces3D.size(), 2u);
    EXPECT_STREQ(f.app.mirrors.typeText, "Line Opt. DDA");
}

// Drags across a square of 100 pixels from its centre: half way to the rim is 30 degrees.
TEST(Arcball, DragsTurnAboutTheScreenAxes) {
    const float s = 0.5f, c = std::sqrt(0.75f);  // of 30 degrees, and cos and sin of 60
    const std::tuple<DragPoint, float, std::array<float, 16>> table[] = {
        {{75, 50}, 1.0f, {c, 0, -s, 0, 0, 1, 0, 0, s, 0, c, 0, 0, 0, 0, 1}},  // right: about y
        {{50, 25}, 1.0f, {1, 0, 0, 0, 0, c, -s, 0, 0, s, c, 0, 0, 0, 0, 1}},  // up: front tips up
        {{75, 50}, 2.0f, {s, 0, -c, 0, 0, 1, 0, 0, c, 0, s, 0, 0, 0, 0, 1}},  // spin 2: 60
        {{50, 50}, 1.0f, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}},   // no drag
    };
    for (const auto& [to, spin, expected] : table) {
        float m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
        arcballTurn(m, {50, 50}, to, 100, spin);
        for (int i = 0; i < 16; ++i)
            EXPECT_NEAR(m[i], expected[i], 1e-5f) << to.x << "," << to.y << " " << i;
    }
    // A second drag turns after the first: right then up is not up then right.
    float m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    arcballTurn(m, {50, 50}, {75, 50}, 100, 1.0f);
    arcballTurn(m, {50, 50}, {50, 25}, 100, 1.0f);
    EXPECT_NEAR(m[1], -s * s, 1e-5f);  // the x axis, sent back by the first, drops with the second
}

}  // namespace
