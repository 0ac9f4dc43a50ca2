#include <gtest/gtest.h>

#include "Support.h"
#include "input/InputCodes.h"
#include "ui/PanelIds.h"
#include "ui/PanelMaster.h"

namespace {

struct RecordingHost final : PanelHost {
    void opened(Panel&) override { log += "open "; }
    void closed(Panel&) override { log += "close "; }
    void destroyed(Panel&) override { log += "free "; }
    void changed(Panel&) override {}
    void edited(Panel&, Control& c) override { log += "edit:" + c.label + " "; }
    std::string log;
};

TEST(PanelToolkit, ControlsWriteClampedValuesReportIdsAndHideInClosedRollouts) {
    RecordingHost host;
    PanelMaster master(&host);
    std::vector<std::pair<int, int>> calls;  // id, live value seen by the callback
    int live = 5;
    char name[8] = "abc";
    Panel& p = master.createSubwindow(1, PanelSide::Right, [&](int id) {
        calls.push_back({id, live});
    });
    Control& box = p.addRollout(p.root(), "Box", false);
    Control& spin = p.addIntSpinner(box, "N:", &live, 7);
    spin.setIntLimits(0, 10);
    Control& text = p.addTextEdit(p.root(), "Name:", name);
    EXPECT_EQ(std::pair(spin.intValue, text.text), std::pair(5, std::string("abc")));  // as built

    p.userSetInt(spin, 15);
    p.userSetText(text, "a name too long");
    EXPECT_EQ((calls), (std::vector<std::pair<int, int>>{{7, 10}}));  // clamped before the call
    EXPECT_STREQ(name, "a name ");  // cut to the buffer, never past it
    spin.disable();
    p.userSetInt(spin, 3);
    EXPECT_EQ(live, 10);
    live = 4;
    std::strcpy(name, "xy");
    p.syncLive();
    EXPECT_EQ(std::make_pair(spin.intValue, text.text), std::make_pair(4, std::string("xy")));

    // Rows from the top-left: the closed rollout hides its spinner until opened.
    EXPECT_EQ(layoutLines(master.layoutOf(p), 550, 0),
              "556\t6\t238\t22\trollout\t1\tBox\n556\t31\t238\t22\tedit\t1\tName:\n");
    p.userToggle(box);
    EXPECT_EQ(layoutLines(master.layoutOf(p), 0, 0),
              "6\t6\t238\t50\trollout\t1\tBox\n14\t31\t222\t22\tspinner\t0\tN:\n"
              "6\t59\t238\t22\tedit\t1\tName:\n");
    EXPECT_EQ(master.rightStrip(), kRightPanelWidth);

    master.closeAll();
    EXPECT_EQ(master.rightStrip(), 0);
    master.collectClosed();
    EXPECT_EQ(host.log, "open edit:N: edit:Name: close free ");
}

// Columns share what their widest controls leave over, or split the width evenly when the
// controls ask for more; a bottom panel spans what the right one leaves. The layout file
// follows every change.
TEST(PanelToolkit, LayoutFileOfColumnsInBothPanels) {
    ScratchDir dir;
    PanelMaster master;
    master.setWindowSize(500, 300);
    master.setLayoutFile(dir.path("layout"));
    int flag = 0;
    char name[4] = "";
    Panel& right = master.createSubwindow(1, PanelSide::Right, nullptr);
    right.addSeparator(right.root());
    Control& group = right.addPanel(right.root(), "P");
    right.addCheckbox(group, "Ab", &flag);
    right.addColumn(group, true);
    right.addListBox(group, "L:", &flag);
    Panel& bottom = master.createSubwindow(1, PanelSide::Bottom, nullptr);
    bottom.addTextEdit(bottom.root(), "Nazev souboru:", name);
    bottom.addColumn(bottom.root(), false);
    bottom.addTextEdit(bottom.root(), "Nazev souboru:", name);
    master.setWindowSize(500, 200);  // in height alone
    const std::string rightRows =
        "256\t6\t238\t8\tseparator\t1\t\n256\t17\t238\t50\tpanel\t1\tP\n"
        "264\t42\t80\t22\tcheckbox\t1\tAb\n345\t42\t1\t22\tcolumn\t1\t\n"
        "347\t42\t138\t22\tlistbox\t1\tL:\n";
    EXPECT_EQ(fileBytes(dir.path("layout")), rightRows +
                                                 "6\t66\t117\t22\tedit\t1\tNazev souboru:\n"
                                                 "126\t66\t117\t22\tedit\t1\tNazev souboru:\n");
    bottom.hide();
    EXPECT_EQ(fileBytes(dir.path("layout")), rightRows);
    right.hide();
    bottom.show();
    EXPECT_EQ(fileBytes(dir.path("layout")).substr(0, 8), "6\t66\t242");  // the whole width
    master.closeAll();
    EXPECT_EQ(fileBytes(dir.path("layout")), "");
}

// A group as wide as the trackball in it asks, a button without a width of its own as wide
// as its column; the trackball turns its matrix only while enabled.
TEST(PanelToolkit, TrackballAndButtonColumns) {
    Panel p(PanelSide::Right, nullptr);
    float matrix[16] = {};
    Control& ball = p.addRotation(p.addPanel(p.root(), "Q"), "Rotace sceny", matrix);
    p.addColumn(p.root(), false);
    p.addButton(p.root(), "B", 1);
    EXPECT_EQ(layoutLines(layoutPanel(p, kRightPanelWidth), 0, 0),
              "6\t6\t158\t94\tpanel\t1\tQ\n14\t31\t142\t66\trotation\t1\tRotace sceny\n"
              "167\t6\t77\t22\tbutton\t1\tB\n");
    p.userSetMatrix(ball, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
    ball.disable();
    p.userSetMatrix(ball, {});
    EXPECT_EQ(matrix[0], 1.0f);
}

// Every control of the 2D panel in creation order.
TEST(Panel2D, ControlsInCreationOrder) {
    AppFixture f;
    f.app.buildPanel2D(1);
    std::string knots;
    for (int k = 1; k <= 15; ++k)
        knots += "Uzel " + std::to_string(k) + ":#205[0,1] w20 ^|";
    const std::string nine =
        "#5 > 0Cervena 1Zelena 2Modra 3Zluta 4Fialova 5Azurova 6Cerna 7Seda "
        "8Bila =";  // the colour lists open on their colours
    EXPECT_EQ(rows(*f.app.panels.panel),
              "text|separator|Rasterizacni rychlost ^|Typ : w170|Cas [ms] :|Hlavni nabidka|"
              "3D Pixelforge#203 w140|Vypnout panel#10 w140|Dalsi objekt#61 w140|"
              "Exit do X-Window#104 w140|HELP|text|    Spustte help.htm !|separator|"
              " Navod: help.htm a README.md|Ulozeni do souboru|Nazev souboru: w150|separator|"
              "Uloz do vektoru PVF#100 w140|Uloz do bitmapy BMP#99 w140|"
              "Uloz do bitmapy TGA#101 w140|Souradnice aktivniho bodu|"
              "Hodnota v X:#204[0,1000] > s1|Hodnota v Y:#204[0,1000] > s1|"
              "Racionalni vaha:#204[0,100] >|Uzlovy vektor pro NURBS|" +
                  knots +
                  "Nastaveni editoru|Zobrazovat ridici body|Zobrazovat ridici polynom|"
                  "Zobrazovat neak. body (F11)|Rastrova 2D mrizka (F12)|Osovy kriz|"
                  "Velikost pixelu:#209[1,10] w60 >|Aprox. useckami:#210[1,200] w60 >|"
                  "Nastaveni barev editoru|Pozadi:#5 > 0Bila 1Indigo 2Cerna 3Seda 4Zelena =Seda|"
                  "Objekt:" +
                  nine + "Cervena|Rid. polygon:" + nine + "Fialova|Aktivni bod:" + nine +
                  "Zluta|Ridici bod:" + nine + "Modra|Neaktivni bod:" + nine + "Cerna|");
}

std::string enabled(AppFixture& f) {
    const PanelHandles& h = f.app.panels.handles;
    std::string flags;
    for (Control* c : {h.pointX, h.pointY, h.weight, h.knotSpinners[0], h.knotSpinners[14]})
        flags += c->enabled ? '1' : '0';
    return flags;
}

TEST(Panel2D, EnablingFollowsTheActiveObject) {
    AppFixture none;
    none.app.buildPanel2D(1);
    EXPECT_EQ(enabled(none), "00000");
    none.app.mirrors.lastTime = 2.5f;
    none.app.display();  // "Cas [ms] :" follows the time from frame to frame
    EXPECT_EQ(none.app.panels.handles.timeField->floatValue, 2.5f);

    AppFixture line;
    line.add(kLineDDA, {{1, 2}, {3, 4}});
    line.app.buildPanel2D(1);
    EXPECT_EQ(enabled(line), "11100");
    EXPECT_STREQ(line.app.mirrors.typeText, "Line Opt. DDA");

    AppFixture nurbs;
    SceneObject& n = nurbs.add(kNurbsBezier, {{0, 0}, {1, 1}});
    n.knots = {0, 0.25f, 0.5f, 0.75f, 1};
    n.knotCount = 5;
    nurbs.app.buildPanel2D(1);
    EXPECT_EQ(enabled(nurbs), "11111");
    EXPECT_EQ(nurbs.app.panels.handles.knotSpinners[3]->floatValue, 0.75f);
    EXPECT_EQ(nurbs.app.mirrors.knotValues[3], 0.75f);
    EXPECT_EQ(nurbs.app.panels.handles.knotSpinners[5]->floatValue, 0.0f);
}

TEST(PanelCommands, ColoursSizesSegmentsKnotsAndHiding) {
    AppFixture f;
    SceneObject& n = f.add(kNurbsCircle, {{0, 0}, {1, 1}});
    n.knots = {0, 0, 1};
    n.knotCount = 3;
    f.app.buildPanel2D(1);
    Panel& p = *f.app.panels.panel;
    const auto rgb = [](const Rgb& c) { return std::array<float, 3>{c.r, c.g, c.b}; };
    const std::array<float, 3> colours[9] = {{1, 0, 0}, {0, 1, 0},       {0, 0, 1},
                                             {1, 1, 0}, {1, 0, 1},       {0, 1, 1},
                                             {0, 0, 0}, {.5f, .5f, .5f}, {1, 1, 1}};
    const std::array<float, 3> backgrounds[5] = {
        {1, 1, 1}, {0, 0, .5f}, {0, 0, 0}, {.5f, .5f, .5f}, {.2f, .4f, .2f}};
    const std::pair<const char*, const Rgb*> lists[] = {
        {"Objekt:", &f.app.colors.objectColor},
        {"Rid. polygon:", &f.app.colors.polygonColor},
        {"Aktivni bod:", &f.app.colors.activeColor},
        {"Ridici bod:", &f.app.colors.controlColor},
        {"Neaktivni bod:", &f.app.colors.inactiveColor}};
    for (int i = 0; i < 9; ++i) {  // the first item counts too
        for (const auto& [label, colour] : lists) {
            p.userSetInt(find(p, label), i);
            EXPECT_EQ(rgb(*colour), colours[i]) << label << i;
        }
        p.userSetInt(find(p, "Pozadi:"), i % 5);
        EXPECT_EQ(rgb(f.overlays.clearColor), backgrounds[i % 5]) << i;
    }

    p.userSetInt(find(p, "Aprox. useckami:"), 10);
    EXPECT_EQ(f.app.algorithms.curveAlgo.sampleCount, 11);
    p.userSetInt(find(p, "Velikost pixelu:"), 40);
    EXPECT_EQ(f.app.settings2D.pixelSize, 10);
    p.userSetFloat(*f.app.panels.handles.knotSpinners[1], 0.5f);
    EXPECT_EQ(n.knots, (std::vector<float>{0, 0.5f, 1}));

    p.userClick(find(p, "Vypnout panel"));
    EXPECT_EQ(f.app.panels.panel, nullptr);
    EXPECT_EQ(f.app.mode.panelShown, 0);
    EXPECT_EQ(f.app.editing.activePoint, -1);
    EXPECT_EQ(f.app.panels.master.rightStrip(), 0);
    f.app.onIdle();
    EXPECT_TRUE(f.app.panels.master.panels().empty());
}

// The knot fields reach every active NURBS as far as its knots go, never past the hundredth;
// the panel the menu builds shows the knots of the active NURBS and zeros after them.
TEST(PanelCommands, KnotFieldsAndTheActiveNurbs) {
    AppFixture f;
    const auto nurbs = [&f](int32_t kind, int count, std::size_t size, bool active) {
        SceneObject& o = f.add(kind, {{0, 0}, {1, 1}}, false);
        o.active = active;
        o.knotCount = count;
        o.knots.assign(size, 42.0f);
        return &o;
    };
    SceneObject* shortVector = nurbs(kNurbsCircle, 5, 3, true);
    SceneObject* cut = nurbs(kNurbsBezier, 2, 3, true);
    SceneObject* many = nurbs(kNurbsCircle, 120, 120, true);
    SceneObject* inactive = nurbs(kNurbsCircle, 3, 3, false);
    SceneObject* line = nurbs(kLineDDA, 3, 3, true);
    for (int k = 0; k < 100; ++k)
        f.app.mirrors.knotValues[k] = float(k + 1);
    f.app.editing.activePoint = 1;
    f.app.mirrors.activeX = 7;  // the point fields are taken over too
    f.app.panelCommand(205);
    EXPECT_EQ(line->points[1].x, 7.0f);
    EXPECT_EQ(shortVector->knots, (std::vector<float>{1, 2, 3}));
    EXPECT_EQ(cut->knots, (std::vector<float>{1, 2, 42}));
    EXPECT_EQ((std::array<float, 3>{many->knots[0], many->knots[99], many->knots[100]}),
              (std::array<float, 3>{1, 100, 42}));
    EXPECT_EQ(inactive->knots, (std::vector<float>{42, 42, 42}));
    EXPECT_EQ(line->knots, (std::vector<float>{42, 42, 42}));

    shortVector->active = many->active = false;
    f.app.mode.panelShown = 0;
    f.app.onMainMenu2D(13);
    ASSERT_NE(f.app.panels.panel, nullptr);
    EXPECT_EQ(f.app.mode.panelShown, 1);
    const float* fields = f.app.mirrors.knotValues;
    EXPECT_EQ((std::vector<float>(fields, fields + 4)), (std::vector<float>{1, 2, 0, 0}));
    EXPECT_EQ(fields[99], 0.0f);
    EXPECT_EQ(f.app.panels.handles.knotSpinners[1]->floatValue, 2.0f);
    Panel* shown = f.app.panels.panel;
    f.app.onMainMenu2D(13);  // a panel already shown stays as it is
    EXPECT_EQ(f.app.panels.panel, shown);
}

// The exit entries ask for the end screen and one frame; the next-object button moves the
// activity on; the switch to 3D attaches the 3D menu, and it and the way back retitle the
// window.
TEST(PanelCommands, ExitNextObjectAndTheModeSwitch) {
    const std::function<void(Application&)> exits[] = {[](Application& a) { a.panelCommand(104); },
                                                       [](Application& a) { a.onMainMenu2D(100); },
                                                       [](Application& a) { a.onMainMenu3D(100); }};
    for (const auto& exit : exits) {
        AppFixture f;
        exit(f.app);
        EXPECT_EQ(std::make_pair(f.app.screens.exitScreen, f.window.redisplays),
                  std::make_pair(1, 1));
    }
    AppFixture f;
    SceneObject& first = f.add(kLineDDA, {{1, 1}, {2, 2}});
    SceneObject& second = f.add(kLineDDA, {{3, 3}, {4, 4}});
    f.app.panelCommand(61);
    EXPECT_EQ(std::make_pair(first.active, second.active), std::make_pair(true, false));
    f.app.settings2D.showControlPoints = 0;
    f.app.onMainMenu2D(5);
    EXPECT_EQ(
        std::make_tuple(f.app.mode.is3D, f.app.mode.panelShown, f.app.settings2D.showControlPoints),
        std::make_tuple(true, 1, 1));
    const auto& menu3D = f.menus.menus.at(std::size_t(f.menus.attached)).entries;
    EXPECT_TRUE(std::any_of(menu3D.begin(), menu3D.end(), [](const auto& e) {
        return e.label == "Prepnout do modu 2D PIXELFORGE" && e.value == 5;
    }));
    f.app.onMainMenu3D(5);
    EXPECT_EQ(std::make_pair(f.app.mode.is3D, f.app.mode.panelShown), std::make_pair(false, 1));
    EXPECT_EQ(f.window.titles, (std::vector<std::string>{"3D PIXELFORGE", "2D PIXELFORGE"}));
}

// Enter clears the fields, then shows a point only where the next object has one placed and
// knots only where the fifteen fields hold them whole.
TEST(PointFields, FollowWhatTheNextObjectHolds) {
    AppFixture f;
    SceneObject& curve = f.add(kBezierCurve, {{9, 9}, {77, 77}}, false);
    curve.pointCount = 1;
    SceneObject& full = f.add(kNurbsCircle, {{10, 11}, {20, 21}}, false);
    full.knots.assign(15, 0.5f);
    full.weights = {1, 7};
    SceneObject& nurbs = f.add(kNurbsCircle, {{1, 1}, {2, 2}});
    for (SceneObject* o : {&curve, &nurbs})
        o->knots = {0.75f};  // a curve's knots are no NURBS's
    curve.knotCount = nurbs.knotCount = 1;
    full.knotCount = 15;
    f.app.buildPanel2D(1);
    f.app.editing.activePoint = 1;
    ASSERT_TRUE(f.app.panels.handles.knotSpinners[0]->enabled);
    f.app.onKey(input::kKeyEnter, 0, 0);
    EXPECT_EQ(f.app.mirrors.activeX, 20);
    EXPECT_FALSE(f.app.panels.handles.knotSpinners[0]->enabled);
    f.app.onKey(input::kKeyEnter, 0, 0);
    EXPECT_EQ(std::pair(f.app.mirrors.activeX, f.app.mirrors.activeWeight), std::pair(0, 0.0f));
    EXPECT_FALSE(f.app.panels.handles.knotSpinners[0]->enabled);
    f.app.onKey(input::kKeyEnter, 0, 0);
    EXPECT_EQ(f.app.mirrors.knotValues[0], 0.75f);
}

// A typed point moves the active point; a typed weight reaches a rational curve.
TEST(PanelCommands, PointFieldsReachTheActivePoint) {
    AppFixture f;
    SceneObject& curve = f.add(kRationalBezierCurve, {{1, 2}, {3, 4}});
    curve.weights = {1, 1};
    f.app.buildPanel2D(1);
    f.app.editing.activePoint = 1;
    Panel& p = *f.app.panels.panel;
    p.userSetFloat(*f.app.panels.handles.weight, 2.5f);
    p.userSetInt(*f.app.panels.handles.pointX, 1500);
    EXPECT_EQ(curve.points[1].x, 1000.0f);
    EXPECT_EQ(curve.points[1].y, 0.0f);  // the Y field held its start value
    EXPECT_EQ(curve.weights[1], 2.5f);
    f.app.mirrors.activeX = 5;
    f.app.editing.syncPaused = true;  // while paused or placing, motion writes no field back
    f.app.onPassiveMotion(0, 0);
    std::tie(f.app.editing.syncPaused, f.app.editing.placing) = std::make_tuple(false, 1);
    f.app.onPassiveMotion(0, 0);
    EXPECT_EQ(curve.points[1].x, 1000.0f);
}

}  // namespace
