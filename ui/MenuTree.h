#pragma once

#include "ui/MenuSystem.h"

// The function each menu of the trees calls with the value of the chosen entry.
struct MenuCallbacks {
    MenuSystem::Callback line, circle, ellipse, curve, rationalCubic, bspline, nurbs;
    MenuSystem::Callback bezierSurface, rationalSurface, coonsSurface, fergusonSurface;
    MenuSystem::Callback main2D, main3D;
};

// Builds the pop-up tree of one mode, submenus first; the main menu comes last and is the
// current menu afterwards, ready to be attached.
void buildMenus(MenuSystem& menus, bool for3D, const MenuCallbacks& callbacks);
