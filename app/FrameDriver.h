#pragma once

#include <ostream>

#include "app/FrameOverlays.h"
#include "app/ScenePass2D.h"
#include "model/AppState.h"
#include "model/WindowSystem.h"
#include "surfaces/ScenePass3D.h"
#include "ui/PanelMaster.h"

// What each frame draws and in which order, and the view set-up after a resize.
class FrameDriver {
  public:
    struct State {
        const ModeState& mode;
        const Settings2D& settings;
        Screens& screens;
        const View3D& view;
        const TextureTable& textures;
        PanelMaster& panels;
    };

    FrameDriver(const State& state, FrameOverlays& overlays, WindowSystem& windowSystem,
                ScenePass2D& scenePass, ScenePass3D& scenePass3D, std::ostream& console)
        : s(state),
          gl(overlays),
          window(windowSystem),
          pass2D(scenePass),
          pass3D(scenePass3D),
          out(console) {}

    void display();
    // Everything of one frame that goes into the back buffer, without the swap.
    void drawFrame();
    void reshape(int width, int height);
    void drawGrid(float r, float g, float b);

  private:
    void drawEndImage();

    State s;
    FrameOverlays& gl;
    WindowSystem& window;
    ScenePass2D& pass2D;
    ScenePass3D& pass3D;
    std::ostream& out;
};
