#include "ui/MenuTree.h"

#include <initializer_list>

namespace {

struct Entry {
    const char* label;
    int value;
    bool submenu = false;  // `value` is then the submenu's id
};

// An ordinary entry: choosing it calls the menu's callback with -1.
const Entry kSeparator = {"--------------------------------", -1};

Entry sub(const char* label, int id) { return {label, id, true}; }

int menu(MenuSystem& menus, MenuSystem::Callback callback, std::initializer_list<Entry> entries) {
    const int id = menus.createMenu(callback);
    for (const Entry& e : entries) {
        if (e.submenu) {
            menus.addSubmenu(e.label, e.value);
        } else {
            menus.addEntry(e.label, e.value);
        }
    }
    return id;
}

int curveMenu(MenuSystem& menus, const MenuCallbacks& cb) {
    const int rational = menu(menus, cb.rationalCubic,
                              {{"Vahove koeficienty: m0=1 m1=1 m2=1 m3=1", 1},
                               {"Vahove koeficienty: m0=1 m1=5 m2=5 m3=1", 2},
                               {"Vahove koeficienty: m0=1 m1=10 m2=10 m3=1", 3},
                               {"Vahove koeficienty: m0=1 m1=1 m2=10 m3=1", 4},
                               {"Vahove koeficienty: m0=1 m1=10 m2=1 m3=1", 5}});
    const int nurbs = menu(menus, cb.nurbs,
                           {{"NURBS kruznice : 7 bodu U=[0 0 0 0 0.25 0.5 0.5 0.75 1 1 1] "
                             "w=[1 0.5 0.5 1 0.5 0.5 1]",
                             1},
                            {"NURBS bezier   : 4 body U=[0 0 0 0 1 1 1 1] w=[1 1 1 1]", 2}});
    const int bspline = menu(menus, cb.bspline,
                             {{"Pocatecni a koncova nasobnost v uzlovem vektoru U: 1x", 1},
                              {"Pocatecni a koncova nasobnost v uzlovem vektoru U: 2x", 2},
                              {"Pocatecni a koncova nasobnost v uzlovem vektoru U: 3x", 3},
                              {"Pocatecni a koncova nasobnost v uzlovem vektoru U: 4x", 4},
                              {"Pocatecni a koncova nasobnost v uzlovem vektoru U: 5x", 5}});
    // The Catmull-Rom curve keeps its value 9 though it stands before the Ferguson curve's 8.
    return menu(menus, cb.curve,
                {{"Bezierova kubika iterativne", 1},
                 {"Bezierova kubika rekursivne", 2},
                 sub("Racionalni Bezierova kubika", rational),
                 {"Coonsova kubika", 3},
                 {"Catmul-Rom kubika", 4},
                 {"Fergusonova kubika", 5},
                 kSeparator,
                 {"Bezierova obecna krivka", 6},
                 {"Coonsova BSpline krivka", 7},
                 {"Catmul-Rom krivka", 9},
                 {"Fergusonova krivka", 8},
                 sub("BSpline obecna krivka", bspline),
                 sub("NURBS", nurbs)});
}

void buildMenus2D(MenuSystem& menus, const MenuCallbacks& cb) {
    const char* const bresenham = "Bresenhamuv celociselny interpolator";
    const int line = menu(menus, cb.line,
                          {{bresenham, 1},
                           {"Digital Differencial Analyser (DDA)", 2},
                           {"Line Two Step algortimus", 3}});
    const int circle = menu(menus, cb.circle,
                            {{bresenham, 1},
                             {"Kruznice pomoci rotace usecky", 2},
                             {"Parametricke vyjadreni kruznice", 3}});
    const int ellipse =
        menu(menus, cb.ellipse,
             {{bresenham, 1}, {"Parametricke vyjadreni elipsy", 2}, {"Obecna poloha elipsy", 3}});
    const int curve = curveMenu(menus, cb);
    menu(menus, cb.main2D,
         {sub("Rasterizace usecky", line),
          sub("Rasterizace kruznice", circle),
          sub("Rasterizace elipsy", ellipse),
          sub("Rasterizace polynomialni krivky", curve),
          kSeparator,
          {"Panel nastroju ON", 13},
          kSeparator,
          {"Prepnout do modu 3D PIXELFORGE", 5},
          kSeparator,
          {"Konec aplikace (ESC)", 100}});
}

// The same six colours for every kind of patch.
int colorMenu(MenuSystem& menus, MenuSystem::Callback callback) {
    return menu(
        menus, callback,
        {{"Cervena", 1}, {"Zelena", 2}, {"Modra", 3}, {"Cerna", 4}, {"Azurova", 5}, {"Seda", 6}});
}

void buildMenus3D(MenuSystem& menus, const MenuCallbacks& cb) {
    const int bezier = colorMenu(menus, cb.bezierSurface);
    const int rational = colorMenu(menus, cb.rationalSurface);
    const int coons = colorMenu(menus, cb.coonsSurface);
    const int ferguson = colorMenu(menus, cb.fergusonSurface);
    menu(menus, cb.main3D,
         {sub("Bezierova bikubicka plocha", bezier),
          sub("Bezierova racionalni bikubicka plocha", rational),
          sub("Coonsova bikubicka plocha", coons),
          sub("Fergusonova bikubicka plocha", ferguson),
          kSeparator,
          {"Panel nastroju ON", 13},
          kSeparator,
          {"Prepnout do modu 2D PIXELFORGE", 5},
          kSeparator,
          {"Konec aplikace (ESC)", 100}});
}

}  // namespace

void buildMenus(MenuSystem& menus, bool for3D, const MenuCallbacks& callbacks) {
    if (for3D) {
        buildMenus3D(menus, callbacks);
    } else {
        buildMenus2D(menus, callbacks);
    }
}
