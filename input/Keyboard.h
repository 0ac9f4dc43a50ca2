#pragma once

#include <functional>

#include "input/PanelFields.h"
#include "input/PatchSelection.h"
#include "input/Placement.h"
#include "model/AppState.h"
#include "model/WindowSystem.h"

// The main window's character keys. Keys typed over a panel go to the panel, never here.
class Keyboard {
  public:
    struct State {
        const ModeState& mode;
        Scene& scene;
        EditState& editing;
        Settings2D& settings;
        Screens& screens;
        View3D& view;
    };

    Keyboard(const State& state, WindowSystem& windowSystem, PanelFields& panelFields,
             Placement& placer, PatchSelection& patchSelection, std::function<void()> onExit)
        : s(state),
          window(windowSystem),
          fields(panelFields),
          placement(placer),
          patches(patchSelection),
          exitApplication(std::move(onExit)) {}

    void onKey(unsigned char key, int x, int y);

  private:
    void nextObject2D();
    void changePixelSize(int step);
    void changeZoom(float step);
    void viewPreset(unsigned char key);

    State s;
    WindowSystem& window;
    PanelFields& fields;
    Placement& placement;
    PatchSelection& patches;
    std::function<void()> exitApplication;
};
