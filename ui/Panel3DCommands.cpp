#include "ui/Panel3DCommands.h"

#include "input/PatchSelection.h"
#include "model/ObjectKind.h"
#include "ui/PanelIds.h"

int steppedPoint(int activePoint, int step) {
    const int next = activePoint + step;
    if (next < 0) return kSurfacePoints - 1;
    if (next >= kSurfacePoints) return 0;
    return next;
}

void mirrorPatchPoint(Scene& scene, int activePoint, PanelMirrors& mirrors) {
    if (scene.findActive(scene.surfaces3D)) mirrorPatchPoint(*scene.current, activePoint, mirrors);
}

void presetView(View3D& view, int viewId) {
    view.rotY = viewId == panel_id::kViewYZ ? -90.0 : 0.0;
    view.rotX = viewId == panel_id::kViewZX ? -270.0 : 0.0;
    for (int i = 0; i < 16; ++i)
        view.sceneRotation[i] = i % 5 == 0 ? 1.0f : 0.0f;
}
