#include "input/SurfaceEdit.h"

#include <cmath>

#include "input/InputCodes.h"
#include "model/ObjectKind.h"

namespace {

enum class Axis { X, Y, Z };

struct ArrowKey {
    int key;
    Axis axis;
    float step;
    int turn;  // degrees
};

constexpr ArrowKey kArrowKeys[] = {
    {input::kKeyLeft, Axis::X, -1.0f, -1},  {input::kKeyRight, Axis::X, 1.0f, 1},
    {input::kKeyUp, Axis::Y, 1.0f, -1},     {input::kKeyDown, Axis::Y, -1.0f, 1},
    {input::kKeyPageUp, Axis::Z, -1.0f, 1}, {input::kKeyPageDown, Axis::Z, 1.0f, -1}};

float& along(Point3& p, Axis a) { return a == Axis::X ? p.x : a == Axis::Y ? p.y : p.z; }

int& mirrorOf(PanelMirrors& m, Axis a) {
    return a == Axis::X ? m.activeX : a == Axis::Y ? m.activeY : m.activeZ;
}

// The pair (u, v) that the axis leaves free turns by the angle; all in single precision, so
// that 360 turns bring a point back up to rounding only.
void turn(Point3& p, Axis axis, int degrees) {
    const double angle = degrees * 0.01745329252;
    const auto c = static_cast<float>(std::cos(angle));
    const auto s = static_cast<float>(std::sin(angle));
    float& u = axis == Axis::X ? p.y : p.x;
    float& v = axis == Axis::Z ? p.y : p.z;
    const float turnedU = u * c - v * s;
    const float turnedV = v * c + u * s;
    u = turnedU;
    v = turnedV;
}

const ArrowKey* arrowKey(int key) {
    for (const ArrowKey& a : kArrowKeys) {
        if (a.key == key) return &a;
    }
    return nullptr;
}

}  // namespace

// A turn leaves the fields behind the points until the panel is synchronised, so passive
// motion waits instead of writing the older values back.
void SurfaceEdit::onKey(int key, int modifiers) {
    const ArrowKey* a = arrowKey(key);
    const int k = s.editing.activePoint;
    if (a == nullptr || k < 0 || !s.scene.findActive(s.scene.surfaces3D)) return;
    SceneObject& patch = *s.scene.current;
    const auto at = static_cast<std::size_t>(k);
    const std::size_t count = placedPoints(patch);
    if (at >= count) return;
    if (modifiers == input::kCtrl) {
        for (std::size_t i = 0; i < count; ++i)
            turn(patch.points[i], a->axis, a->turn);
        for (Axis m : {Axis::X, Axis::Y, Axis::Z})
            mirrorOf(s.mirrors, m) = static_cast<int>(along(patch.points[at], m));
        s.editing.syncPaused = true;
    } else {
        const bool all = modifiers == input::kShift;
        for (std::size_t i = 0; i < count; ++i) {
            if (all || i == at) along(patch.points[i], a->axis) += a->step;
        }
        mirrorOf(s.mirrors, a->axis) = static_cast<int>(along(patch.points[at], a->axis));
    }
    fields.sync();
    window.postRedisplay();
}
