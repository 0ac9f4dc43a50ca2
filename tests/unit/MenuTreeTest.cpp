#include <gtest/gtest.h>

#include "Support.h"

namespace {

// What choosing an entry makes in a fresh application, through the callback the tree holds,
// as GLUT would call it: kind, room for points, then the presets that are set.
std::string made(MenuSystem::Callback callback, int value) {
    AppFixture f;
    application = &f.app;
    callback(value);
    application = nullptr;
    if (f.app.scene.objects2D.empty()) return "-";
    const SceneObject& o = f.app.scene.objects2D.front();
    std::ostringstream s;
    s << o.kind << "/" << o.points.size();
    if (o.sizeA != 0) s << " " << o.sizeA << "x" << o.sizeB;
    if (o.order + o.requiredPoints != 0) s << " n" << o.order + o.requiredPoints;
    for (float w : o.weights)
        s << " w" << w;
    for (int32_t i = 0; i < o.knotCount; ++i)
        s << " u" << o.knots[static_cast<std::size_t>(i)];
    return s.str();
}

// One entry a line, a submenu's entries indented under it; what a submenu entry makes after
// a colon, on a line of its own where one line would be too wide.
void walk(RecordingMenuSystem& m, int menu, const std::string& indent, std::string& rows) {
    for (const auto& e : m.menus[menu].entries) {
        if (e.isSubmenu) {
            rows += indent + e.label + "\n";
            walk(m, e.value, indent + " ", rows);
            continue;
        }
        const std::string line = indent + e.label + " = " + std::to_string(e.value);
        const std::string what = indent.empty() ? "" : ": " + made(m.menus[menu].callback, e.value);
        const bool wide = line.size() + what.size() > 99;
        rows += line + (what.empty() ? "" : wide ? "\n" + indent + " " : " ") + what + "\n";
    }
}

// The tree that a switch to 3D and back attaches to the main window.
TEST(Menus, TheTwoDTreeEntryByEntryWithWhatEachMakes) {
    AppFixture f;
    f.app.onMainMenu2D(5);
    f.app.onMainMenu3D(5);
    std::string rows;
    walk(f.menus, f.menus.attached, "", rows);
    EXPECT_EQ(f.window.current, f.app.mode.mainWindow);
    EXPECT_EQ(rows, R"(Rasterizace usecky
 Bresenhamuv celociselny interpolator = 1 : 1/2
 Digital Differencial Analyser (DDA) = 2 : 2/2
 Line Two Step algortimus = 3 : 3/2
Rasterizace kruznice
 Bresenhamuv celociselny interpolator = 1 : 10/2 50x0
 Kruznice pomoci rotace usecky = 2 : 11/2 50x0
 Parametricke vyjadreni kruznice = 3 : 12/2 50x0
Rasterizace elipsy
 Bresenhamuv celociselny interpolator = 1 : 15/2 50x100
 Parametricke vyjadreni elipsy = 2 : 16/2 50x100
 Obecna poloha elipsy = 3 : 17/3 50x100
Rasterizace polynomialni krivky
 Bezierova kubika iterativne = 1 : 20/4
 Bezierova kubika rekursivne = 2 : 21/4
 Racionalni Bezierova kubika
  Vahove koeficienty: m0=1 m1=1 m2=1 m3=1 = 1 : 26/4 w1 w1 w1 w1
  Vahove koeficienty: m0=1 m1=5 m2=5 m3=1 = 2 : 26/4 w1 w5 w5 w1
  Vahove koeficienty: m0=1 m1=10 m2=10 m3=1 = 3 : 26/4 w1 w10 w10 w1
  Vahove koeficienty: m0=1 m1=1 m2=10 m3=1 = 4 : 26/4 w1 w1 w10 w1
  Vahove koeficienty: m0=1 m1=10 m2=1 m3=1 = 5 : 26/4 w1 w10 w1 w1
 Coonsova kubika = 3 : 23/4
 Catmul-Rom kubika = 4 : 24/4
 Fergusonova kubika = 5 : 22/4
 -------------------------------- = -1 : -
 Bezierova obecna krivka = 6 : 25/50
 Coonsova BSpline krivka = 7 : 27/50
 Catmul-Rom krivka = 9 : 29/50
 Fergusonova krivka = 8 : 28/50
 BSpline obecna krivka
  Pocatecni a koncova nasobnost v uzlovem vektoru U: 1x = 1 : 30/50 n1
  Pocatecni a koncova nasobnost v uzlovem vektoru U: 2x = 2 : 30/50 n2
  Pocatecni a koncova nasobnost v uzlovem vektoru U: 3x = 3 : 30/50 n3
  Pocatecni a koncova nasobnost v uzlovem vektoru U: 4x = 4 : 30/50 n4
  Pocatecni a koncova nasobnost v uzlovem vektoru U: 5x = 5 : 30/50 n5
 NURBS
  NURBS kruznice : 7 bodu U=[0 0 0 0 0.25 0.5 0.5 0.75 1 1 1] w=[1 0.5 0.5 1 0.5 0.5 1] = 1
   : 50/7 n7 w1 w0.5 w0.5 w1 w0.5 w0.5 w1 u0 u0 u0 u0.25 u0.5 u0.5 u0.75 u1 u1 u1
  NURBS bezier   : 4 body U=[0 0 0 0 1 1 1 1] w=[1 1 1 1] = 2
   : 51/4 n4 w1 w1 w1 w1 u0 u0 u0 u0 u1 u1 u1 u1
-------------------------------- = -1
Panel nastroju ON = 13
-------------------------------- = -1
Prepnout do modu 3D PIXELFORGE = 5
-------------------------------- = -1
Konec aplikace (ESC) = 100
)");
}

// Every surface submenu offers the same six colours, entry=value/kind made; then the colours
// that the last submenu's entries give.
TEST(Menus, TheThreeDTreeWithTheKindAndColourEveryEntryMakes) {
    AppFixture f;
    f.app.onMainMenu2D(5);
    application = &f.app;
    std::ostringstream rows;
    std::vector<float> rgb;
    for (const auto& e : f.menus.menus[f.menus.attached].entries) {
        rows << e.label << (e.isSubmenu ? ":" : " = " + std::to_string(e.value));
        const auto& sub = f.menus.menus[e.isSubmenu ? e.value : f.menus.attached];
        for (std::size_t i = 0; e.isSubmenu && i < sub.entries.size(); ++i) {
            sub.callback(sub.entries[i].value);
            const auto& c = f.app.scene.surfaces3D.front();
            rows << " " << sub.entries[i].label << "=" << sub.entries[i].value << "/" << c.kind;
            rgb.insert(rgb.end(), c.color, c.color + 3);
        }
        rows << "\n";
    }
    application = nullptr;
    EXPECT_EQ(
        rows.str(),
        R"(Bezierova bikubicka plocha: Cervena=1/1 Zelena=2/1 Modra=3/1 Cerna=4/1 Azurova=5/1 Seda=6/1
Bezierova racionalni bikubicka plocha: Cervena=1/5 Zelena=2/5 Modra=3/5 Cerna=4/5 Azurova=5/5 Seda=6/5
Coonsova bikubicka plocha: Cervena=1/10 Zelena=2/10 Modra=3/10 Cerna=4/10 Azurova=5/10 Seda=6/10
Fergusonova bikubicka plocha: Cervena=1/15 Zelena=2/15 Modra=3/15 Cerna=4/15 Azurova=5/15 Seda=6/15
-------------------------------- = -1
Panel nastroju ON = 13
-------------------------------- = -1
Prepnout do modu 2D PIXELFORGE = 5
-------------------------------- = -1
Konec aplikace (ESC) = 100
)");
    EXPECT_EQ(std::vector<float>(rgb.end() - 18, rgb.end()),
              (std::vector<float>{1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 1, 1, .2f, .2f, .2f}));
}

}  // namespace
