#pragma once

#include <ostream>

#include "app/Algorithms.h"
#include "model/AppState.h"
#include "model/ObjectKind.h"

// Draws every object of the 2D list with its algorithm, the editing aids of the active one,
// and one timed row per drawn object.
class ScenePass2D {
  public:
    ScenePass2D(Scene& objects, const Settings2D& settings2D, const EditState& editState,
                const EditorColors& editorColors, PanelMirrors& panelMirrors,
                Algorithms& algorithms, std::ostream& console)
        : scene(objects),
          settings(settings2D),
          editing(editState),
          colors(editorColors),
          mirrors(panelMirrors),
          algo(algorithms),
          out(console) {}

    void drawScene2D();
    void markPoint(const Point3& p);
    void markInactive(const Point3& p, float halfSize);

  private:
    void drawObject(const SceneObject& object);
    void drawAid(KindAid aid, const SceneObject& object);
    void drawActivePointHighlight();

    Scene& scene;
    const Settings2D& settings;
    const EditState& editing;
    const EditorColors& colors;
    PanelMirrors& mirrors;
    Algorithms& algo;
    std::ostream& out;
};
