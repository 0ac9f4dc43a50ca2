#include "ui/PatchCreator.h"

#include <algorithm>

#include "input/PatchSelection.h"
#include "model/ObjectKind.h"

namespace {

// "Cervena", "Zelena", "Modra", "Cerna", "Azurova", "Seda".
constexpr float kPatchColors[6][3] = {{1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, {0.0f, 0.0f, 1.0f},
                                      {0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 1.0f}, {0.2f, 0.2f, 0.2f}};

// Point 4i + j is (x_i, 0, z_j).
SceneObject startPatch(int32_t kind, const float (&color)[3]) {
    static constexpr float kX[4] = {-15.0f, -5.0f, 5.0f, 15.0f};
    static constexpr float kZ[4] = {15.0f, 5.0f, -5.0f, -15.0f};
    SceneObject patch;
    patch.kind = kind;
    patch.pointCount = kSurfacePoints;
    patch.active = true;
    std::copy(std::begin(color), std::end(color), patch.color);
    for (float x : kX) {
        for (float z : kZ)
            patch.points.push_back({x, 0.0f, z});
    }
    if (kind == kSurfaceRationalBezier) patch.weights.assign(kSurfacePoints, 1.0f);
    return patch;
}

}  // namespace

// Only the first active surface is cleared; there is never more than one.
void PatchCreator::onSurfaceMenu(int32_t kind, int value) {
    if (value < 1 || value > 6) return;
    ObjectList& list = s.scene.surfaces3D;
    if (s.scene.findActive(list)) s.scene.current->active = false;
    list.push_front(startPatch(kind, kPatchColors[value - 1]));
    s.editing.activePoint = 0;
    s.mirrors.activeWeight = 0.0f;  // a rational patch's first weight replaces it
    mirrorPatchPoint(list.front(), 0, s.mirrors);
    if (s.mode.panelShown == 1) {
        fields.updateTypeLabel(true);
        fields.setPatchFieldsEnabled(true);
        fields.setWeightEnabled(kind == kSurfaceRationalBezier);
        fields.sync();
    }
    window.postRedisplay();
}
