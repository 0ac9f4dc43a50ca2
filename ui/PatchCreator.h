#pragma once

#include <cstdint>

#include "input/PanelFields.h"
#include "model/AppState.h"
#include "model/WindowSystem.h"

// The 3D submenu commands: each adds a whole patch of its kind on the flat start net, in the
// chosen colour, at the front as the active surface with point 0 active.
class PatchCreator {
  public:
    struct State {
        const ModeState& mode;
        Scene& scene;
        EditState& editing;
        PanelMirrors& mirrors;
    };

    PatchCreator(const State& state, WindowSystem& windowSystem, PanelFields& panelFields)
        : s(state), window(windowSystem), fields(panelFields) {}

    // Values 1 to 6 name the colours of the submenu; any other makes nothing.
    void onSurfaceMenu(int32_t kind, int value);

  private:
    State s;
    WindowSystem& window;
    PanelFields& fields;
};
