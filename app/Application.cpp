#include "app/Application.h"

#include <cmath>
#include <cstring>
#include <iostream>

#include "app/ObjectKind.h"

Application* application = nullptr;

namespace {

const char* const kRule = "-------------------------------------------------------";
const char* const kTitle = " PIXELFORGE 1.0           Vyuka rastrove grafiky 2026  ";

}  // namespace

Application::Application(const char* sceneFile, bool startIn3D, int grid, Rgb objectRgb,
                         Rgb polygonRgb, Rgb controlRgb, const AppServices& services)
    : is3D(startIn3D),
      showGrid(grid),
      current(objects2D.end()),
      objectColor(objectRgb),
      polygonColor(polygonRgb),
      controlColor(controlRgb),
      out(services.console),
      window(services.window),
      err(services.errors != nullptr ? *services.errors : std::cerr),
      frames(services.frames) {
    printBanner();
    if (sceneFile != nullptr) loadCommandLineFile(sceneFile);
    RasterTarget& raster = services.raster;
    lineAlgo = std::make_unique<LineAlgorithms>(raster, Rgb{1.0f, 1.0f, 0.0f});
    circleAlgo = std::make_unique<CircleAlgorithms>(raster, Rgb{0.0f, 1.0f, 0.0f});
    ellipseAlgo = std::make_unique<EllipseAlgorithms>(raster, Rgb{1.0f, 1.0f, 1.0f});
    curveAlgo = std::make_unique<CurveAlgorithms>(raster, Rgb{1.0f, 1.0f, 0.0f}, segments + 1);
    mirrorActivePoints();
    fillLogoGrid();
}

Application::~Application() = default;

void Application::printBanner() {
    out << kRule << std::endl;
    out << kTitle << std::endl;
    out << kRule << std::endl;
    out << std::endl;
}

void Application::loadCommandLineFile(const char* name) {
    out << "SYSTEM: Vstoupil radkovy parametr " << name << std::endl;
    if (readVectorFile(name)) {
        out << "SYSTEM: Vektorovy soubor " << name << " byl uspesne nahran" << std::endl;
    } else {
        out << "SYSTEM: Nepodarilo se nahrat vektorovy soubor " << name << std::endl;
    }
}

void Application::printSpeedHeading() {
    out << std::endl;
    out << "Vypis Rasterizacnich rychlosti algoritmu [ms]" << std::endl;
    out << std::endl;
}

bool Application::findActive(ObjectList& list) {
    for (current = list.begin(); current != list.end(); ++current) {
        if (current->active) return true;
    }
    return false;
}

// The 3D z comes from the active surface; x and y from the active 2D object when there is one.
void Application::mirrorActivePoints() {
    auto mirror = [this](const SceneObject& object, bool withZ) {
        if (activePoint < 0 || activePoint >= static_cast<int>(object.points.size())) return;
        const Point3& p = object.points[static_cast<std::size_t>(activePoint)];
        activeX = static_cast<int>(p.x);
        activeY = static_cast<int>(p.y);
        if (withZ) activeZ = static_cast<int>(p.z);
    };
    if (findActive(surfaces3D)) mirror(*current, true);
    if (findActive(objects2D)) mirror(*current, false);
}

void Application::fillLogoGrid() {
    for (int i = 0; i < kLogoGridSize; ++i) {
        for (int j = 0; j < kLogoGridSize; ++j) {
            logoGrid[i][j][0] = static_cast<float>(0.4 * i - 4.5);
            logoGrid[i][j][1] = static_cast<float>(0.4 * j - 4.5);
            logoGrid[i][j][2] = static_cast<float>(std::sin(6.28318 * i / 45));
        }
    }
}

// Every fourth frame the wave moves one grid step: each row takes the heights of the next.
void Application::advanceLogo() {
    if (logoFrame == 4) {
        for (int j = 0; j < kLogoGridSize; ++j) {
            const float first = logoGrid[0][j][2];
            for (int i = 0; i < kLogoGridSize - 1; ++i)
                logoGrid[i][j][2] = logoGrid[i + 1][j][2];
            logoGrid[kLogoGridSize - 1][j][2] = first;
        }
        logoFrame = 0;
    }
    ++logoFrame;
}

void Application::updateTypeLabel(bool for3D) {
    typeText[0] = '\0';
    if (!findActive(for3D ? surfaces3D : objects2D)) return;
    std::strncpy(typeText, typeLabel(current->kind, for3D), sizeof typeText - 1);
    // The "Cas [ms] :" field is bound to lastTime and shows it when the panel syncs.
}

void Application::releaseScene() {
    objects2D.clear();
    surfaces3D.clear();
    current = objects2D.end();
}

void Application::exitApplication() {
    releaseScene();
    out << "SYSTEM: Aplikace uspesne skoncila" << std::endl;
    window.exitProcess(0);
}

void Application::onMenuStatus(int, int, int) { activePoint = -1; }

void Application::onIdle() {
    if (window.currentWindow() != mainWindow) window.setWindow(mainWindow);
}

CellSize Application::viewportCells() { return window.viewportCells(); }
