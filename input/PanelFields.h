#pragma once

#include "model/SceneObject.h"

// The panel's point, weight, knot and type fields as the handlers fill them. While the panel
// is hidden every call but `updateTypeLabel` does nothing, so a handler never asks first.
class PanelFields {
  public:
    virtual ~PanelFields() = default;

    virtual bool shown() = 0;
    // X and Y show point k truncated, the weight field its weight for a weighted kind; then
    // the panel is synchronised. Nothing for an index the object has not placed.
    virtual void showPoint(const SceneObject& object, int k) = 0;
    // A new active object: X and Y enabled; for a weighted kind the weight field enabled and
    // showing the weight of point k (0 for none); a NURBS's knots in the first knot fields.
    virtual void offerObject(const SceneObject& object, int k) = 0;
    // Nothing is being edited: X, Y and the weight at 0, then `clearKnotsAndWeight`.
    virtual void clearObject() = 0;
    // The fifteen knot fields at 0 and disabled, the weight field disabled.
    virtual void clearKnotsAndWeight() = 0;
    // The 3D fields: X, Y and Z at 0, the weight at `weight` and disabled.
    virtual void clearPoint3D(float weight) = 0;
    // X, Y, Z and "Aktivni bod:" together.
    virtual void setPatchFieldsEnabled(bool on) = 0;
    virtual void setWeightEnabled(bool on) = 0;
    virtual void sync() = 0;
    // "Typ :" names the active object of the chosen list, "Cas [ms] :" shows its time.
    virtual void updateTypeLabel(bool for3D) = 0;
    // Closes every panel and builds the panel of the mode again.
    virtual void rebuild() = 0;
};
