#include "app/Application.h"

#include <iostream>

#include "app/StartImage.h"
#include "model/ObjectKind.h"

Application* application = nullptr;

namespace {

const char* const kRule = "-------------------------------------------------------";
const char* const kTitle = " PIXELFORGE 1.0           Vyuka rastrove grafiky 2026  ";

void printBanner(std::ostream& out) {
    out << kRule << std::endl;
    out << kTitle << std::endl;
    out << kRule << std::endl;
    out << std::endl;
}

std::ostream& errorStream(const AppServices& s) { return s.errors ? *s.errors : std::cerr; }

// Where no mouse reaches the window, no position is ever asked about.
class NoViewQueries final : public ViewQueries {
  public:
    WorldPixel unprojectPoint(int x, int y) override { return {x, y}; }
    int pickPoint3D(int, int) override { return -1; }
};

NoViewQueries noViews;

}  // namespace

Application::Application(const char* sceneFile, bool startIn3D, int grid, Rgb objectRgb,
                         Rgb polygonRgb, Rgb controlRgb, const AppServices& services)
    : mode{startIn3D},
      algorithms(services.raster, settings2D.segments + 1, services.mesh),
      out(services.console),
      window(services.window),
      menus(services.menus),
      views(services.views ? *services.views : noViews),
      pass2D(scene, settings2D, editing, colors, mirrors, algorithms, out),
      pass3D({mode, scene, settings2D, editing, colors, view3D, render3D, mirrors, textures},
             services.render3D, algorithms.surfaceAlgo, out,
             // The panels' sub-windows follow the main window in the reshape callback.
             {[] {}, [this] { onPassiveMotion(0, 0); }}),
      saves(scene, mirrors, {out, errorStream(services)}, window, services.frames),
      frame({mode, settings2D, screens, view3D, textures, panels.master}, services.overlays, window,
            pass2D, pass3D, out),
      fields(panels, mode, scene, mirrors,
             [this] { mode.is3D ? buildPanel3D(mode.mainWindow) : buildPanel2D(mode.mainWindow); }),
      placement(scene, editing, window, fields),
      patches({scene, editing, mirrors}, window, fields),
      surfaceEdit({scene, editing, mirrors}, window, fields),
      keyboard({mode, scene, editing, settings2D, screens, view3D}, window, fields, placement,
               patches, [this] { exitApplication(); }),
      functionKeys({mode, scene, editing, settings2D, mirrors}, window, fields, placement, patches,
                   surfaceEdit, out),
      mouse2D({scene, editing, screens}, window, views, fields, placement),
      mouse3D({scene, editing, mirrors, view3D}, window, views, fields),
      creators(placement, fields),
      patchCreator({mode, scene, editing, mirrors}, window, fields),
      passive({mode, scene, editing, mirrors}, window, [this] { fields.sync(); }),
      overlays(services.overlays) {
    printBanner(out);
    settings2D.showGrid = grid;
    colors.objectColor = objectRgb;
    colors.polygonColor = polygonRgb;
    colors.controlColor = controlRgb;
    if (sceneFile != nullptr) loadCommandLineFile(sceneFile);
    mirrorActivePoints();
    fillLogoGrid(screens);
}

void Application::loadCommandLineFile(const char* name) {
    out << "SYSTEM: Vstoupil radkovy parametr " << name << std::endl;
    if (readVectorFile(name)) {
        out << "SYSTEM: Vektorovy soubor " << name << " byl uspesne nahran" << std::endl;
    } else {
        out << "SYSTEM: Nepodarilo se nahrat vektorovy soubor " << name << std::endl;
    }
}

// "Cas [ms] :" follows the active object's time from frame to frame.
void Application::display() {
    frame.display();
    Control* time = panels.handles.timeField;
    if (time != nullptr && time->floatValue != mirrors.lastTime) panels.panel->syncControl(*time);
}

void Application::printSpeedHeading() {
    out << std::endl;
    out << "Vypis Rasterizacnich rychlosti algoritmu [ms]" << std::endl;
    out << std::endl;
}

// The 3D z comes from the active surface; x and y from the active 2D object when there is one.
void Application::mirrorActivePoints() {
    auto mirror = [this](const SceneObject& object, bool withZ) {
        const int k = editing.activePoint;
        if (k < 0 || k >= static_cast<int>(object.points.size())) return;
        const Point3& p = object.points[static_cast<std::size_t>(k)];
        mirrors.activeX = static_cast<int>(p.x);
        mirrors.activeY = static_cast<int>(p.y);
        if (withZ) mirrors.activeZ = static_cast<int>(p.z);
    };
    if (scene.findActive(scene.surfaces3D)) mirror(*scene.current, true);
    if (scene.findActive(scene.objects2D)) mirror(*scene.current, false);
}

void Application::releaseScene() {
    scene.objects2D.clear();
    scene.surfaces3D.clear();
    scene.current = scene.objects2D.end();
}

void Application::exitApplication() {
    releaseScene();
    out << "SYSTEM: Aplikace uspesne skoncila" << std::endl;
    window.exitProcess(0);
}

void Application::onIdle() {
    panels.master.collectClosed();
    if (window.currentWindow() != mode.mainWindow) window.setWindow(mode.mainWindow);
}
