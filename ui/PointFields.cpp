#include "ui/PointFields.h"

#include <cstdio>
#include <initializer_list>

#include "model/ObjectKind.h"

namespace {

float weightOf(const SceneObject& o, int k) {
    const bool known = k >= 0 && static_cast<std::size_t>(k) < o.weights.size();
    return known ? o.weights[static_cast<std::size_t>(k)] : 0.0f;
}

// The 3D panel may lack a field the 2D one has, and the other way round.
template <typename Action>
void each(std::initializer_list<Control*> controls, Action action) {
    for (Control* c : controls) {
        if (c != nullptr) action(*c);
    }
}

void setEnabled(Control& c, bool on) {
    if (on) {
        c.enable();
    } else {
        c.disable();
    }
}

}  // namespace

void PointFields::showPoint(const SceneObject& o, int k) {
    if (!shown() || k < 0 || static_cast<std::size_t>(k) >= placedPoints(o)) return;
    const PanelHandles& h = panels.handles;
    const Point3& p = o.points[static_cast<std::size_t>(k)];
    h.pointX->setIntVal(static_cast<int>(p.x));
    h.pointY->setIntVal(static_cast<int>(p.y));
    if (isWeighted2D(o.kind)) h.weight->setFloatVal(weightOf(o, k));
    sync();
}

// Only a knot vector that the fifteen fields can hold whole is shown.
void PointFields::offerObject(const SceneObject& o, int k) {
    if (!shown()) return;
    const PanelHandles& h = panels.handles;
    h.pointX->enable();
    h.pointY->enable();
    if (isWeighted2D(o.kind)) {
        h.weight->enable();
        h.weight->setFloatVal(weightOf(o, k));
    }
    if (!isNurbs(o.kind) || o.knotCount <= 0 || o.knotCount >= kKnotSpinners) return;
    for (std::size_t i = 0; i < static_cast<std::size_t>(o.knotCount) && i < o.knots.size(); ++i) {
        h.knotSpinners[i]->enable();
        h.knotSpinners[i]->setFloatVal(o.knots[i]);
    }
}

void PointFields::clearObject() {
    if (!shown()) return;
    panels.handles.pointX->setIntVal(0);
    panels.handles.pointY->setIntVal(0);
    panels.handles.weight->setFloatVal(0.0f);
    clearKnotsAndWeight();
}

void PointFields::clearKnotsAndWeight() {
    if (!shown()) return;
    for (Control* knot : panels.handles.knotSpinners) {
        knot->setFloatVal(0.0f);
        knot->disable();
    }
    panels.handles.weight->disable();
}

void PointFields::clearPoint3D(float weight) {
    if (!shown()) return;
    const PanelHandles& h = panels.handles;
    each({h.pointX, h.pointY, h.pointZ}, [](Control& c) { c.setIntVal(0); });
    each({h.weight}, [weight](Control& c) {
        c.setFloatVal(weight);
        c.disable();
    });
}

void PointFields::setPatchFieldsEnabled(bool on) {
    if (!shown()) return;
    const PanelHandles& h = panels.handles;
    each({h.pointX, h.pointY, h.pointZ, h.activePointSpinner},
         [on](Control& c) { setEnabled(c, on); });
}

void PointFields::setWeightEnabled(bool on) {
    if (shown()) each({panels.handles.weight}, [on](Control& c) { setEnabled(c, on); });
}

void PointFields::sync() {
    if (shown()) panels.panel->syncLive();
}

// Clears "Typ :" and fills it from the active object of the chosen list; "Cas [ms] :" shows
// `lastTime` again only when there is one.
void PointFields::updateTypeLabel(bool for3D) {
    mirrors.typeText[0] = '\0';
    const bool found = scene.findActive(for3D ? scene.surfaces3D : scene.objects2D);
    if (found) {
        std::snprintf(mirrors.typeText, sizeof mirrors.typeText, "%s",
                      typeLabel(scene.current->kind, for3D));
    }
    if (panels.handles.typeField != nullptr) panels.handles.typeField->readLive();
    if (found && panels.handles.timeField != nullptr) panels.handles.timeField->readLive();
}

void PointFields::rebuild() {
    if (!shown()) return;
    panels.master.closeAll();
    panels.panel = nullptr;
    build();  // which hands out new handles
}
