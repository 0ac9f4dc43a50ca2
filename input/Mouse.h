#pragma once

#include "model/AppState.h"
#include "model/WindowSystem.h"

// Mouse buttons over the main window.
class Mouse {
  public:
    Mouse(const ModeState& modeState, Screens& startScreen, WindowSystem& windowSystem)
        : mode(modeState), screens(startScreen), window(windowSystem) {}

    void onMouse(int button, int state, int x, int y);

  private:
    const ModeState& mode;
    Screens& screens;
    WindowSystem& window;
};
