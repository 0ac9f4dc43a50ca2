// The pop-up menus call plain functions; each forwards the chosen value to the one application.
#include "app/Application.h"
#include "model/ObjectKind.h"
#include "ui/MenuTree.h"

namespace {

void lineMenu(int value) { application->onLineMenu(value); }
void circleMenu(int value) { application->onCircleMenu(value); }
void ellipseMenu(int value) { application->onEllipseMenu(value); }
void curveMenu(int value) { application->onCurveMenu(value); }
void rationalCubicMenu(int value) { application->onRationalCubicMenu(value); }
void bsplineMenu(int value) { application->onBSplineMenu(value); }
void nurbsMenu(int value) { application->onNurbsMenu(value); }
void bezierSurfaceMenu(int value) { application->onSurfaceMenu(kSurfaceBezier, value); }
void rationalSurfaceMenu(int value) { application->onSurfaceMenu(kSurfaceRationalBezier, value); }
void coonsSurfaceMenu(int value) { application->onSurfaceMenu(kSurfaceCoons, value); }
void fergusonSurfaceMenu(int value) { application->onSurfaceMenu(kSurfaceFerguson, value); }
void mainMenu2D(int value) { application->onMainMenu2D(value); }
void mainMenu3D(int value) { application->onMainMenu3D(value); }

const MenuCallbacks kCallbacks = {lineMenu,         circleMenu,          ellipseMenu,
                                  curveMenu,        rationalCubicMenu,   bsplineMenu,
                                  nurbsMenu,        bezierSurfaceMenu,   rationalSurfaceMenu,
                                  coonsSurfaceMenu, fergusonSurfaceMenu, mainMenu2D,
                                  mainMenu3D};

}  // namespace

void Application::buildMenus(bool for3D) {
    if (menus != nullptr) ::buildMenus(*menus, for3D, kCallbacks);
}

// A panel built just before may have left its own sub-window current.
void Application::attachMenu() {
    if (menus == nullptr) return;
    window.setWindow(mode.mainWindow);
    menus->attachToRightButton();
}
