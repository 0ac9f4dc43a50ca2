// The 3D mode's panels and what their point and view controls do.
#include "app/Application.h"
#include "ui/Panel3D.h"
#include "ui/Panel3DCommands.h"
#include "ui/PanelIds.h"

void Application::buildPanel3D(int mainWindow) {
    const PanelCallback callback = [this](int id) { panelCommand(id); };
    panels.panel = &panels.master.createSubwindow(mainWindow, PanelSide::Right, callback);
    const PanelState state{scene, settings2D, colors, mirrors, render3D, view3D, editing, textures};
    panels.handles = ::buildPanel3D(*panels.panel, state);
    panels.viewPanel = &panels.master.createSubwindow(mainWindow, PanelSide::Bottom, callback);
    buildViewPanel(*panels.viewPanel, view3D);
    updateTypeLabel(true);
}

void Application::panelCommand3D(int id) {
    const bool shown = mode.panelShown == 1;
    switch (id) {
        case panel_id::kPreviousPoint:
        case panel_id::kNextPoint:
            editing.activePoint =
                steppedPoint(editing.activePoint, id == panel_id::kNextPoint ? 1 : -1);
            [[fallthrough]];
        case panel_id::kActivePoint3D:
            mirrorPatchPoint(scene, editing.activePoint, mirrors);
            fields.sync();
            break;
        case panel_id::kPoint3D:
            editing.syncPaused = false;
            if (shown) updateTypeLabel(true);
            onPassiveMotion(0, 0);
            break;
        case panel_id::kViewXY:
        case panel_id::kViewYZ:
        case panel_id::kViewZX:
            presetView(view3D, id);  // the scene ball draws the matrix it turns: no sync
            window.postRedisplay();
            break;
        case panel_id::kTo2D:
            onMainMenu3D(5);
            break;
        case panel_id::kView:
            if (panels.viewPanel != nullptr) panels.viewPanel->syncLive();
            reshapeToWindow();
            window.postRedisplay();
            break;
        default:
            break;
    }
}

// The view set-up after a resize, at the size the window has: the projection follows the
// mode, the pan and the zoom, the viewport the strips that panels cover.
void Application::reshapeToWindow() {
    const CellSize size = window.windowSize();
    reshape(size.width, size.height);
}
