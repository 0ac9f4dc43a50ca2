#include "input/Handles.h"

#include <cstdlib>

#include "model/ObjectKind.h"

namespace {

Point3 at(ViewQueries::WorldPixel p) { return {static_cast<float>(p.x), static_cast<float>(p.y)}; }

KindFamily familyOf(const SceneObject& o) {
    const KindInfo* info = findKind2D(o.kind);
    return info ? info->family : KindFamily::Line;
}

bool isEllipse(KindFamily f) { return f == KindFamily::Ellipse || f == KindFamily::GeneralEllipse; }

// The handles a kind has, beyond the centre.
std::size_t handleCount(KindFamily f) {
    if (f == KindFamily::Circle || f == KindFamily::Ellipse) return 1;
    return f == KindFamily::GeneralEllipse ? 2 : 0;
}

// The angle handle stands this far above the centre, whatever the angle.
constexpr float kAngleHandleRise = 20.0f;

int distance(float from, float to) { return std::abs(static_cast<int>(to - from)); }

}  // namespace

bool placeHandles(SceneObject& o) {
    const KindFamily f = familyOf(o);
    if (handleCount(f) == 0 || o.points.size() <= handleCount(f)) return false;
    const Point3& c = o.points[0];
    const float b = isEllipse(f) ? static_cast<float>(o.sizeB) : 0.0f;
    o.points[1] = {c.x + static_cast<float>(o.sizeA), c.y + b};
    if (f == KindFamily::GeneralEllipse) {
        o.points[2] = {c.x + static_cast<float>(o.angle), c.y + kAngleHandleRise};
    }
    return true;
}

void dragPoint(SceneObject& o, std::size_t k, ViewQueries::WorldPixel p) {
    const KindFamily f = familyOf(o);
    if (k == 0 || handleCount(f) == 0) {
        o.points[k] = at(p);
        placeHandles(o);
        return;
    }
    const Point3& c = o.points[0];
    Point3& handle = o.points[k];
    if (f == KindFamily::GeneralEllipse && k == 2) {
        handle = {at(p).x, c.y + kAngleHandleRise};
        o.angle = static_cast<int>(handle.x - c.x);  // degrees: the handle's offset
    } else if (f == KindFamily::Circle) {
        handle.x = at(p).x;  // the radius handle keeps to the centre's row
        o.sizeA = distance(c.x, handle.x);
    } else {
        handle = at(p);
        o.sizeA = distance(c.x, handle.x);
        o.sizeB = distance(c.y, handle.y);
    }
}
