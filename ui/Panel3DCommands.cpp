#include "ui/Panel3DCommands.h"

#include <cstddef>

#include "model/ObjectKind.h"
#include "ui/PanelIds.h"

int steppedPoint(int activePoint, int step) {
    const int next = activePoint + step;
    if (next < 0) return kSurfacePoints - 1;
    if (next >= kSurfacePoints) return 0;
    return next;
}

void mirrorPatchPoint(Scene& scene, int activePoint, PanelMirrors& mirrors) {
    if (activePoint < 0 || !scene.findActive(scene.surfaces3D)) return;
    const SceneObject& patch = *scene.current;
    const auto k = static_cast<std::size_t>(activePoint);
    if (k >= patch.points.size()) return;
    mirrors.activeX = static_cast<int>(patch.points[k].x);
    mirrors.activeY = static_cast<int>(patch.points[k].y);
    mirrors.activeZ = static_cast<int>(patch.points[k].z);
    if (patch.kind == kSurfaceRationalBezier && k < patch.weights.size())
        mirrors.activeWeight = patch.weights[k];
}

void presetView(View3D& view, int viewId) {
    view.rotY = viewId == panel_id::kViewYZ ? -90.0 : 0.0;
    view.rotX = viewId == panel_id::kViewZX ? -270.0 : 0.0;
    for (int i = 0; i < 16; ++i)
        view.sceneRotation[i] = i % 5 == 0 ? 1.0f : 0.0f;
}
