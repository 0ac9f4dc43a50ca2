#pragma once

#include "input/PanelFields.h"
#include "model/AppState.h"
#include "model/WindowSystem.h"

// The mirrors take point k of the patch truncated, and on a rational patch its weight; false
// for an index the patch has not.
bool mirrorPatchPoint(const SceneObject& patch, int k, PanelMirrors& mirrors);

// Which surface is active and what the point fields show of it: Enter, End and Ctrl+End in
// the 3D mode.
class PatchSelection {
  public:
    struct State {
        Scene& scene;
        EditState& editing;
        PanelMirrors& mirrors;
    };

    PatchSelection(const State& state, WindowSystem& windowSystem, PanelFields& panelFields)
        : s(state), window(windowSystem), fields(panelFields) {}

    void next();
    void deleteActive();
    void refreshFields();

  private:
    // The surface at `after`, the first when it is the end, becomes current and active.
    ObjectCursor activate(ObjectCursor after);

    State s;
    WindowSystem& window;
    PanelFields& fields;
};
