#pragma once

#include "input/PanelFields.h"
#include "model/AppState.h"
#include "model/WindowSystem.h"

// The arrow and page keys on the active surface: each moves the active point along its axis,
// with Shift every point, or with Ctrl turns every point one degree about that axis.
class SurfaceEdit {
  public:
    struct State {
        Scene& scene;
        EditState& editing;
        PanelMirrors& mirrors;
    };

    SurfaceEdit(const State& state, WindowSystem& windowSystem, PanelFields& panelFields)
        : s(state), window(windowSystem), fields(panelFields) {}

    // Keys other than the arrows and pages do nothing.
    void onKey(int key, int modifiers);

  private:
    State s;
    WindowSystem& window;
    PanelFields& fields;
};
