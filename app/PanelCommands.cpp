// What the panel's controls and the main menus' panel and mode entries do.
#include <algorithm>

#include "app/Application.h"
#include "input/InputCodes.h"
#include "model/ObjectKind.h"
#include "ui/PanelIds.h"

namespace {

template <std::size_t N>
void pick(Rgb& color, int index, const Rgb (&table)[N]) {
    if (index >= 0 && index < static_cast<int>(N)) color = table[index];
}

}  // namespace

void Application::buildPanel2D(int mainWindow) {
    panels.panel = &panels.master.createSubwindow(mainWindow, PanelSide::Right,
                                                  [this](int id) { panelCommand(id); });
    const PanelState state{scene, settings2D, colors, mirrors, render3D, view3D, editing, textures};
    panels.handles = ::buildPanel2D(*panels.panel, state);
    panels.panel->setMainGfxWindow(mainWindow);
    updateTypeLabel(false);
}

void Application::panelCommand(int id) {
    switch (id) {
        case panel_id::kColors:
            recomputeColors();
            break;
        case panel_id::kHidePanel:
            hidePanel();
            reshapeToWindow();
            break;
        case panel_id::kNextObject:
            keyboard.onKey(input::kKeyEnter, 0, 0);
            break;
        case panel_id::kSaveBmp:
            saves.exportBmp();
            break;
        case panel_id::kSavePvf:
            saves.saveVectorFile();
            break;
        case panel_id::kSaveTga:
            saves.exportTga();
            break;
        case panel_id::kExit:
            screens.exitScreen = 1;
            window.postRedisplay();
            break;
        case panel_id::kTo3D:
            onMainMenu2D(5);
            break;
        case panel_id::kPoint2D:
            editing.syncPaused = false;
            updateTypeLabel(false);
            onPassiveMotion(0, 0);
            break;
        case panel_id::kKnots:
            copyKnots();
            window.postRedisplay();
            editing.syncPaused = false;
            onPassiveMotion(0, 0);
            break;
        case panel_id::kPixelSize:  // the frame sets it as the point size
            window.postRedisplay();
            updateTypeLabel(false);
            break;
        case panel_id::kSegments:
            algorithms.curveAlgo.sampleCount = settings2D.segments + 1;
            updateTypeLabel(false);
            window.postRedisplay();
            break;
        default:
            panelCommand3D(id);
            break;
    }
    // A save resets the file name; the field shows it again.
    const bool saved =
        id == panel_id::kSaveBmp || id == panel_id::kSavePvf || id == panel_id::kSaveTga;
    if (saved && panels.panel != nullptr) panels.panel->syncLive();
}

// The panel is dropped, not only hidden: the next one is built from scratch.
void Application::hidePanel() {
    mode.panelShown = 0;
    editing.activePoint = -1;
    panels.master.closeAll();
    panels.panel = nullptr;
    panels.viewPanel = nullptr;
    panels.handles = {};
    panels.master.syncLiveAll();
    window.postRedisplay();
}

void Application::recomputeColors() {
    Rgb background{-1, -1, -1};
    pick(background, colors.backgroundIndex, kBackgroundColors);
    if (background.r >= 0.0f) overlays.setClearColor(background);
    pick(colors.objectColor, colors.objectColorIndex, kEditorColors);
    pick(colors.controlColor, colors.controlColorIndex, kEditorColors);
    pick(colors.inactiveColor, colors.inactiveColorIndex, kEditorColors);
    pick(colors.activeColor, colors.activeColorIndex, kEditorColors);
    pick(colors.polygonColor, colors.polygonColorIndex, kEditorColors);
}

// Every active NURBS takes the knot fields' values, as far as it has knots.
void Application::copyKnots() {
    for (scene.current = scene.objects2D.begin(); scene.current != scene.objects2D.end();
         ++scene.current) {
        SceneObject& o = *scene.current;
        if (!o.active || !isNurbs(o.kind)) continue;
        const int n = std::min({o.knotCount, 100, static_cast<int>(o.knots.size())});
        std::copy(mirrors.knotValues, mirrors.knotValues + n, o.knots.begin());
    }
}

void Application::fillKnotFields() {
    std::fill(std::begin(mirrors.knotValues), std::end(mirrors.knotValues), 0.0f);
    for (scene.current = scene.objects2D.begin(); scene.current != scene.objects2D.end();
         ++scene.current) {
        const SceneObject& o = *scene.current;
        if (!o.active || !isNurbs(o.kind)) continue;
        const int n = std::min({o.knotCount, 100, static_cast<int>(o.knots.size())});
        // The panel just built has enabled the fields of an active NURBS.
        std::copy(o.knots.begin(), o.knots.begin() + n, mirrors.knotValues);
    }
    if (panels.panel != nullptr) panels.panel->syncLive();
}

void Application::onMainMenu2D(int value) {
    if (value == 5) {
        if (mode.panelShown == 1) hidePanel();
        mode.panelShown = 1;
        mode.is3D = true;
        settings2D.showControlPoints = 1;
        buildPanel3D(mode.mainWindow);
        buildMenus(true);
        window.setTitle("3D PIXELFORGE");
        attachMenu();
        editing.activePoint = -1;
    } else if (value == 13 && mode.panelShown == 0) {
        mode.panelShown = 1;
        buildPanel2D(mode.mainWindow);
        fillKnotFields();
    } else if (value == 100) {
        screens.exitScreen = 1;
    }
    // Another panel set covers other strips, another mode wants another projection.
    if (value == 5 || value == 13) reshapeToWindow();
    window.postRedisplay();
}

void Application::onMainMenu3D(int value) {
    if (value == 5) {
        editing.activePoint = -1;
        if (mode.panelShown == 1) hidePanel();
        mode.panelShown = 1;
        mode.is3D = false;
        settings2D.showControlPoints = 1;
        buildPanel2D(mode.mainWindow);
        fillKnotFields();
        buildMenus(false);
        window.setTitle("2D PIXELFORGE");
        attachMenu();
        overlays.disableDepthAndLighting();
    } else if (value == 13 && mode.panelShown == 0) {
        mode.panelShown = 1;
        buildPanel3D(mode.mainWindow);
        editing.activePoint = -1;
        mirrors.activeX = mirrors.activeY = mirrors.activeZ = 0;
        panels.panel->syncLive();
    } else if (value == 100) {
        screens.exitScreen = 1;
    }
    // Another panel set covers other strips, another mode wants another projection.
    if (value == 5 || value == 13) reshapeToWindow();
    window.postRedisplay();
}
