#pragma once

#include <functional>
#include <ostream>

#include "model/AppState.h"
#include "surfaces/PatchDrawer.h"
#include "surfaces/Render3DTarget.h"

// The 3D frame after the buffers are cleared: material, lights, scene transform, axis cross,
// then every surface patch, the active one with its control net and pickable spheres, and
// one timed row per drawn patch.
class ScenePass3D {
  public:
    struct State {
        const ModeState& mode;
        Scene& scene;
        const Settings2D& settings;
        const EditState& editing;
        const EditorColors& colors;
        const View3D& view;
        const Render3D& render;
        PanelMirrors& mirrors;
        const TextureTable& textures;
    };
    // What the panel does for the pass: re-attach itself to the window's edge, and write its
    // point fields into the active point (as passive motion does).
    struct PanelHooks {
        std::function<void()> reattachPanel;
        std::function<void()> applyPanelPoint;
    };

    ScenePass3D(const State& state, Render3DTarget& target, PatchDrawer& patchDrawer,
                std::ostream& console, PanelHooks panelHooks)
        : s(state), gl(target), patches(patchDrawer), out(console), panel(std::move(panelHooks)) {}

    void drawFrame3D();
    // In selection mode only the active patch's spheres are drawn, named by their index, and
    // nothing is written.
    void drawScene3D(bool selectMode);

  private:
    void setUpLights();
    void drawAxisCross();
    void drawControlPoints(const SceneObject& patch, bool selectMode);
    void drawSurface(const SceneObject& patch);
    void drawSolid(const SceneObject& patch);
    void drawWireframe(const SceneObject& patch);
    void drawAndList(const SceneObject& patch);

    State s;
    Render3DTarget& gl;
    PatchDrawer& patches;
    std::ostream& out;
    PanelHooks panel;
};
