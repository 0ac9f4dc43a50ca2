#pragma once

#include "input/PanelFields.h"
#include "input/ViewQueries.h"
#include "model/AppState.h"
#include "model/WindowSystem.h"

// The mouse over the 3D view: the middle button, or Ctrl with the left, turns the view; the
// left button picks a control point of the active surface.
class Mouse3D {
  public:
    struct State {
        Scene& scene;
        EditState& editing;
        PanelMirrors& mirrors;
        View3D& view;
    };

    Mouse3D(const State& state, WindowSystem& windowSystem, ViewQueries& viewQueries,
            PanelFields& panelFields)
        : s(state), window(windowSystem), views(viewQueries), fields(panelFields) {}

    void onMouse(int button, int state, int x, int y);
    void onDrag(int x, int y);

  private:
    void pick(int x, int y);

    State s;
    WindowSystem& window;
    ViewQueries& views;
    PanelFields& fields;
};
