#include "input/Mouse2D.h"

#include <algorithm>
#include <cstdlib>

#include "input/Handles.h"
#include "input/InputCodes.h"
#include "model/ObjectKind.h"

namespace {

// A square of 11 by 11 units around a point answers a click.
constexpr int kReach = 6;

bool withinReach(const Point3& point, ViewQueries::WorldPixel p) {
    return std::abs(static_cast<int>(point.x - static_cast<float>(p.x))) < kReach &&
           std::abs(static_cast<int>(point.y - static_cast<float>(p.y))) < kReach;
}

// Every other point moves by the difference the active one moved, in single precision.
void moveObject(SceneObject& o, std::size_t k, ViewQueries::WorldPixel p) {
    const float dx = static_cast<float>(p.x) - o.points[k].x;
    const float dy = static_cast<float>(p.y) - o.points[k].y;
    for (std::size_t i = 0; i < placedPoints(o); ++i) {
        if (i == k) continue;
        o.points[i].x += dx;
        o.points[i].y += dy;
    }
    o.points[k].x = static_cast<float>(p.x);
    o.points[k].y = static_cast<float>(p.y);
}

}  // namespace

void Mouse2D::onMouse(int button, int state, int x, int y) {
    const bool left = button == input::kLeftButton;
    if (s.screens.showLogo && (left || button == input::kRightButton)) {
        s.screens.showLogo = false;  // the start image gives way to the scene
        window.postRedisplay();
    }
    const int modifiers = window.modifiers();
    s.editing.shiftPick = left && modifiers == input::kShift ? 1 : 0;
    const bool pressed = state == input::kButtonDown;
    const bool ender = button == input::kMiddleButton || (left && modifiers == input::kCtrl);
    if (ender && pressed && s.editing.placing == 1) placement.endOpenCurve();
    if (!left || !pressed) return;
    if (s.editing.placing == 1 && s.editing.shiftPick == 0) {
        place(x, y);
    } else if (!s.screens.showLogo) {
        pick(x, y);
    }
}

// The window's top row, y = 0, unprojects to the view's height, a unit above its last row.
void Mouse2D::place(int x, int y) {
    ViewQueries::WorldPixel p = views.unprojectPoint(x, y);
    p.y = std::min(p.y, window.viewportCells().height - 1);
    placement.place(p);
    window.postRedisplay();
}

// The first point in index order within reach becomes the active point.
void Mouse2D::pick(int x, int y) {
    s.editing.activePoint = -1;
    window.postRedisplay();
    const ViewQueries::WorldPixel p = views.unprojectPoint(x, y);
    if (!s.scene.findActive(s.scene.objects2D)) return;
    const SceneObject& o = *s.scene.current;
    for (std::size_t i = 0; i < placedPoints(o); ++i) {
        if (!withinReach(o.points[i], p)) continue;
        s.editing.activePoint = static_cast<int>(i);
        fields.showPoint(o, s.editing.activePoint);
        break;
    }
}

void Mouse2D::onDrag(int x, int y) {
    const int k = s.editing.activePoint;
    if (k < 0 || s.editing.placing != 0 || !insideView(window.viewportCells(), x, y)) return;
    if (!s.scene.findActive(s.scene.objects2D)) return;
    SceneObject& o = *s.scene.current;
    const auto at = static_cast<std::size_t>(k);
    if (at >= placedPoints(o)) return;
    const ViewQueries::WorldPixel p = views.unprojectPoint(x, y);
    if (s.editing.shiftPick == 1) {
        moveObject(o, at, p);  // sizes and angle stay
    } else {
        dragPoint(o, at, p);
    }
    fields.showPoint(o, k);
    window.postRedisplay();
}
