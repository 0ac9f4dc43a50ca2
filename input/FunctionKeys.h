#pragma once

#include <ostream>

#include "input/PanelFields.h"
#include "input/PatchSelection.h"
#include "input/Placement.h"
#include "input/SurfaceEdit.h"
#include "model/AppState.h"
#include "model/WindowSystem.h"

// The function, arrow and editing keys of the main window.
class FunctionKeys {
  public:
    struct State {
        const ModeState& mode;
        Scene& scene;
        EditState& editing;
        Settings2D& settings;
        PanelMirrors& mirrors;
    };

    FunctionKeys(const State& state, WindowSystem& windowSystem, PanelFields& panelFields,
                 Placement& placer, PatchSelection& patchSelection, SurfaceEdit& surfaceEdit,
                 std::ostream& console)
        : s(state),
          window(windowSystem),
          fields(panelFields),
          placement(placer),
          patches(patchSelection),
          surface(surfaceEdit),
          out(console) {}

    void onSpecialKey(int key, int x, int y);

  private:
    void toggle(int& flag, const char* onLine, const char* offLine);
    void end();
    void deleteActive2D();
    void showNewActive(ObjectCursor active);
    void resumePlacing(int x, int y);

    State s;
    WindowSystem& window;
    PanelFields& fields;
    Placement& placement;
    PatchSelection& patches;
    SurfaceEdit& surface;
    std::ostream& out;
};
