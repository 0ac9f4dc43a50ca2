#pragma once

#include <functional>

#include "model/AppState.h"
#include "model/WindowSystem.h"

// The main window's character keys.
class Keyboard {
  public:
    Keyboard(Screens& endScreen, WindowSystem& windowSystem, std::function<void()> onExit)
        : screens(endScreen), window(windowSystem), exitApplication(std::move(onExit)) {}

    void onKey(unsigned char key, int x, int y);

  private:
    Screens& screens;
    WindowSystem& window;
    std::function<void()> exitApplication;
};
