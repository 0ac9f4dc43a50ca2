#include "input/Placement.h"

#include "input/Handles.h"
#include "model/ObjectKind.h"

namespace {

bool survivesFinish(const SceneObject& o) {
    return isOpen2D(o.kind) && o.pointCount >= findKind2D(o.kind)->minPoints;
}

}  // namespace

void Placement::finishPlacing() {
    fields.clearObject();
    if (editing.placing != 1 || !scene.findActive(scene.objects2D)) return;
    if (!survivesFinish(*scene.current)) {
        scene.objects2D.erase(scene.current);
        scene.current = scene.objects2D.end();
    }
    window.postRedisplay();
}

void Placement::start(SceneObject object) {
    for (SceneObject& o : scene.objects2D)
        o.active = false;
    object.active = true;
    scene.objects2D.push_front(std::move(object));
    editing.placing = 1;
    window.setCursor(Cursor::Help);
    window.postRedisplay();
}

void Placement::resume() {
    if (!scene.findActive(scene.objects2D)) return;
    SceneObject& o = *scene.current;
    if (!isOpen2D(o.kind) || o.pointCount >= kMaxCurvePoints) return;
    // A curve read from a file has room for its own points only.
    if (o.points.size() < kMaxCurvePoints) o.points.resize(kMaxCurvePoints);
    editing.placing = 1;
    window.setCursor(Cursor::Help);
    window.postRedisplay();
}

// Placing ends when the arrays are full: each creator sized them to the kind's capacity.
void Placement::place(ViewQueries::WorldPixel p) {
    if (!scene.findActive(scene.objects2D)) return;
    SceneObject& o = *scene.current;
    const std::size_t k = placedPoints(o);
    if (k >= o.points.size()) {
        stop();
        return;
    }
    o.points[k] = {static_cast<float>(p.x), static_cast<float>(p.y), 0.0f};
    editing.activePoint = static_cast<int>(k);
    o.pointCount = static_cast<int32_t>(k + 1);
    // One click places a circle or an ellipse: its handles follow from the presets.
    if (k == 0 && placeHandles(o)) o.pointCount = static_cast<int32_t>(o.points.size());
    fields.showPoint(o, editing.activePoint);
    if (placedPoints(o) >= o.points.size()) stop();
}

void Placement::endOpenCurve() {
    if (scene.findActive(scene.objects2D) && isOpen2D(scene.current->kind)) stop();
}

void Placement::stop() {
    window.setCursor(Cursor::LeftArrow);
    editing.placing = 0;
}
