#pragma once

#include <functional>

#include "model/AppState.h"
#include "model/WindowSystem.h"

// Writes what the panel's point, weight and knot fields hold into the active object. It runs
// on every pointer move without a button and after each edit of those fields.
class PassiveMotion {
  public:
    struct State {
        const ModeState& mode;
        Scene& scene;
        const EditState& editing;
        const PanelMirrors& mirrors;
    };

    PassiveMotion(const State& state, WindowSystem& windowSystem, std::function<void()> sync)
        : s(state), window(windowSystem), syncPanel(std::move(sync)) {}

    void onPassiveMotion(int x, int y);

  private:
    void update2D(SceneObject& object);
    void update3D(SceneObject& patch);

    State s;
    WindowSystem& window;
    std::function<void()> syncPanel;
};
