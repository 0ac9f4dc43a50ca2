#pragma once

#include <ostream>

#include "app/Algorithms.h"
#include "app/AppServices.h"
#include "app/FrameDriver.h"
#include "app/SaveCommands.h"
#include "app/ScenePass2D.h"
#include "input/FunctionKeys.h"
#include "input/Keyboard.h"
#include "input/Mouse2D.h"
#include "input/Mouse3D.h"
#include "input/PassiveMotion.h"
#include "input/PatchSelection.h"
#include "input/Placement.h"
#include "input/SurfaceEdit.h"
#include "model/AppState.h"
#include "surfaces/ScenePass3D.h"
#include "ui/ObjectCreators.h"
#include "ui/Panels.h"
#include "ui/PatchCreator.h"
#include "ui/PointFields.h"

// The one object that owns everything; the work is done by the concern objects below it.
class Application {
  public:
    Application(const char* fileName, bool is3D, int showGrid, Rgb objectColor, Rgb polygonColor,
                Rgb controlColor, const AppServices& services);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    void printSpeedHeading();
    void display();
    void drawFrame() { frame.drawFrame(); }
    void reshape(int width, int height) { frame.reshape(width, height); }
    void drawGrid(float r, float g, float b) { frame.drawGrid(r, g, b); }
    CellSize viewportCells() { return window.viewportCells(); }
    void onKey(unsigned char key, int x, int y) { keyboard.onKey(key, x, y); }
    void onSpecialKey(int key, int x, int y) { functionKeys.onSpecialKey(key, x, y); }
    void onMouse(int button, int state, int x, int y) {
        mode.is3D ? mouse3D.onMouse(button, state, x, y) : mouse2D.onMouse(button, state, x, y);
    }
    void onDrag(int x, int y) { mode.is3D ? mouse3D.onDrag(x, y) : mouse2D.onDrag(x, y); }
    void onPassiveMotion(int x, int y) { passive.onPassiveMotion(x, y); }
    ViewQueries::WorldPixel unprojectPoint(int x, int y) { return views.unprojectPoint(x, y); }
    void onMenuStatus(int, int, int) { editing.activePoint = -1; }
    void onIdle();

    void drawScene2D() { pass2D.drawScene2D(); }
    void drawScene3D(bool selectMode) { pass3D.drawScene3D(selectMode); }
    void markPoint(const Point3& p) { pass2D.markPoint(p); }
    void markInactive(const Point3& p, float halfSize) { pass2D.markInactive(p, halfSize); }
    void updateTypeLabel(bool for3D) { fields.updateTypeLabel(for3D); }

    bool readVectorFile(const char* name) { return saves.readVectorFile(name); }
    bool writeVectorFile(const char* name) { return saves.writeVectorFile(name); }
    bool saveBmp(const char* name) { return saves.saveBmp(name); }
    bool saveTga(const char* name) { return saves.saveTga(name); }
    void buildPanel2D(int mainWindow);
    // The right panel and the view panel along the bottom.
    void buildPanel3D(int mainWindow);
    void panelCommand(int id);
    void buildMenus(bool for3D);
    // The tree just built goes on the main window's right button.
    void attachMenu();
    void onMainMenu2D(int value);
    void onMainMenu3D(int value);
    void onLineMenu(int value) { creators.onLineMenu(value); }
    void onCircleMenu(int value) { creators.onCircleMenu(value); }
    void onEllipseMenu(int value) { creators.onEllipseMenu(value); }
    void onCurveMenu(int value) { creators.onCurveMenu(value); }
    void onRationalCubicMenu(int value) { creators.onRationalCubicMenu(value); }
    void onBSplineMenu(int value) { creators.onBSplineMenu(value); }
    void onNurbsMenu(int value) { creators.onNurbsMenu(value); }
    void onSurfaceMenu(int32_t kind, int value) { patchCreator.onSurfaceMenu(kind, value); }
    void finishPlacing() { placement.finishPlacing(); }
    void releaseScene();

    ModeState mode;
    Scene scene;
    Settings2D settings2D;
    EditState editing;
    EditorColors colors;
    View3D view3D;
    Render3D render3D;
    PanelMirrors mirrors;
    Screens screens;
    TextureTable textures;
    Algorithms algorithms;
    Panels panels;

  private:
    void loadCommandLineFile(const char* name);
    void mirrorActivePoints();
    void exitApplication();
    void hidePanel();
    void panelCommand3D(int id);
    void reshapeToWindow();
    void recomputeColors();
    void fillKnotFields();
    void copyKnots();

    std::ostream& out;
    WindowSystem& window;
    MenuSystem* menus;
    ViewQueries& views;
    ScenePass2D pass2D;
    ScenePass3D pass3D;
    SaveCommands saves;
    FrameDriver frame;
    PointFields fields;
    Placement placement;
    PatchSelection patches;
    SurfaceEdit surfaceEdit;
    Keyboard keyboard;
    FunctionKeys functionKeys;
    Mouse2D mouse2D;
    Mouse3D mouse3D;
    ObjectCreators creators;
    PatchCreator patchCreator;
    PassiveMotion passive;
    FrameOverlays& overlays;
};

// The one instance, reached by every callback.
extern Application* application;
