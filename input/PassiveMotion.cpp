#include "input/PassiveMotion.h"

#include <cstddef>

#include "model/ObjectKind.h"

void PassiveMotion::onPassiveMotion(int, int) {
    if (s.editing.syncPaused || s.mode.panelShown != 1) return;
    if (s.mode.is3D) {
        if (s.scene.findActive(s.scene.surfaces3D)) update3D(*s.scene.current);
    } else if (s.scene.findActive(s.scene.objects2D)) {
        update2D(*s.scene.current);
    }
}

void PassiveMotion::update2D(SceneObject& o) {
    const int k = s.editing.activePoint;
    if (s.editing.placing != 0 || k < 0 || static_cast<std::size_t>(k) >= o.points.size()) return;
    const auto at = static_cast<std::size_t>(k);
    Point3& p = o.points[at];
    const auto x = static_cast<float>(s.mirrors.activeX);
    const auto y = static_cast<float>(s.mirrors.activeY);
    if (p.x != x || p.y != y) {
        p.x = x;
        p.y = y;
        window.postRedisplay();
    }
    if (isWeighted2D(o.kind) && at < o.weights.size()) o.weights[at] = s.mirrors.activeWeight;
    if (isNurbs(o.kind)) {
        // No entry beyond the hundredth of the knot fields is ever read.
        for (int i = 0; i < o.knotCount && i < 100 && static_cast<std::size_t>(i) < o.knots.size();
             ++i)
            o.knots[static_cast<std::size_t>(i)] = s.mirrors.knotValues[i];
        window.postRedisplay();
    }
    syncPanel();
}

void PassiveMotion::update3D(SceneObject& patch) {
    const int k = s.editing.activePoint;
    if (k < 0 || static_cast<std::size_t>(k) >= patch.points.size()) return;
    const auto at = static_cast<std::size_t>(k);
    if (patch.kind == kSurfaceRationalBezier && at < patch.weights.size() &&
        patch.weights[at] != s.mirrors.activeWeight)
        patch.weights[at] = s.mirrors.activeWeight;
    Point3& p = patch.points[at];
    const Point3 wanted{static_cast<float>(s.mirrors.activeX),
                        static_cast<float>(s.mirrors.activeY),
                        static_cast<float>(s.mirrors.activeZ)};
    if (p.x != wanted.x || p.y != wanted.y || p.z != wanted.z) {
        p = wanted;
        window.postRedisplay();
    }
}
