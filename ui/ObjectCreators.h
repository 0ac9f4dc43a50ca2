#pragma once

#include <optional>

#include "input/PanelFields.h"
#include "input/Placement.h"

// The 2D submenu commands: each ends the placing of the previous object and starts an empty
// object of the chosen kind and presets, whose points the mouse then places.
class ObjectCreators {
  public:
    ObjectCreators(Placement& placer, PanelFields& panelFields)
        : placement(placer), fields(panelFields) {}

    void onLineMenu(int value);
    void onCircleMenu(int value);
    void onEllipseMenu(int value);
    void onCurveMenu(int value);
    void onRationalCubicMenu(int value);
    void onBSplineMenu(int value);
    void onNurbsMenu(int value);

  private:
    // Runs for every value, a separator's too: the previous placing ends, the panel refreshes.
    void create(std::optional<SceneObject> object, bool finishFirst = true);

    Placement& placement;
    PanelFields& fields;
};
