#pragma once

#include "input/PanelFields.h"
#include "input/Placement.h"
#include "input/ViewQueries.h"
#include "model/AppState.h"
#include "model/WindowSystem.h"

// The mouse over the 2D view: it places the points of a new object, picks a point of the
// active object within reach, and drags that point, or with Shift the whole object.
class Mouse2D {
  public:
    struct State {
        Scene& scene;
        EditState& editing;
        Screens& screens;
    };

    Mouse2D(const State& state, WindowSystem& windowSystem, ViewQueries& viewQueries,
            PanelFields& panelFields, Placement& placer)
        : s(state),
          window(windowSystem),
          views(viewQueries),
          fields(panelFields),
          placement(placer) {}

    void onMouse(int button, int state, int x, int y);
    void onDrag(int x, int y);

  private:
    void place(int x, int y);
    void pick(int x, int y);

    State s;
    WindowSystem& window;
    ViewQueries& views;
    PanelFields& fields;
    Placement& placement;
};
