#include "input/PatchSelection.h"

#include <iterator>

#include "model/ObjectKind.h"

bool mirrorPatchPoint(const SceneObject& patch, int k, PanelMirrors& mirrors) {
    if (k < 0 || static_cast<std::size_t>(k) >= placedPoints(patch)) return false;
    const auto at = static_cast<std::size_t>(k);
    const Point3& p = patch.points[at];
    mirrors.activeX = static_cast<int>(p.x);
    mirrors.activeY = static_cast<int>(p.y);
    mirrors.activeZ = static_cast<int>(p.z);
    if (patch.kind == kSurfaceRationalBezier && at < patch.weights.size())
        mirrors.activeWeight = patch.weights[at];
    return true;
}

ObjectCursor PatchSelection::activate(ObjectCursor after) {
    ObjectList& list = s.scene.surfaces3D;
    s.scene.current = after == list.end() ? list.begin() : after;
    if (s.scene.current != list.end()) s.scene.current->active = true;
    return s.scene.current;
}

// The fields are emptied for every surface the walk passes, which is the same as once.
void PatchSelection::next() {
    ObjectList& list = s.scene.surfaces3D;
    if (!list.empty()) fields.clearPoint3D(0.0f);
    if (s.scene.findActive(list)) {
        s.scene.current->active = false;
        const SceneObject& patch = *activate(std::next(s.scene.current));
        if (mirrorPatchPoint(patch, s.editing.activePoint, s.mirrors) &&
            patch.kind == kSurfaceRationalBezier)
            fields.setWeightEnabled(true);
        fields.updateTypeLabel(true);
    }
    fields.sync();
    window.postRedisplay();
}

void PatchSelection::deleteActive() {
    ObjectList& list = s.scene.surfaces3D;
    if (!s.scene.findActive(list)) return;
    fields.clearPoint3D(1.0f);
    const ObjectCursor next = activate(list.erase(s.scene.current));
    s.editing.activePoint = -1;
    window.postRedisplay();
    if (next != list.end() && next->kind == kSurfaceRationalBezier) fields.setWeightEnabled(true);
    fields.sync();
}

void PatchSelection::refreshFields() {
    if (s.scene.findActive(s.scene.surfaces3D)) {
        mirrorPatchPoint(*s.scene.current, s.editing.activePoint, s.mirrors);
        if (fields.shown()) fields.updateTypeLabel(true);
    } else {
        s.mirrors.activeX = s.mirrors.activeY = s.mirrors.activeZ = 0;
        s.mirrors.activeWeight = 0.0f;
        fields.setPatchFieldsEnabled(false);
        fields.setWeightEnabled(false);
    }
    fields.sync();
}
