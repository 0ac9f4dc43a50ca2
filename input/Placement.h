#pragma once

#include "input/PanelFields.h"
#include "input/ViewQueries.h"
#include "model/AppState.h"
#include "model/WindowSystem.h"

// The active 2D object built point by point with the mouse: started by a menu command or
// Insert, fed by clicks, ended when its arrays are full, by a key, a middle click or the
// next command. The help cursor shows while it runs.
class Placement {
  public:
    Placement(Scene& objects, EditState& editState, WindowSystem& windowSystem,
              PanelFields& panelFields)
        : scene(objects), editing(editState), window(windowSystem), fields(panelFields) {}

    // Before another object is started: an open curve with enough points stays, any other
    // unfinished object is dropped. Leaves `placing` to the command that follows.
    void finishPlacing();
    // The object goes to the front of the 2D list as its only active one.
    void start(SceneObject object);
    // The active open curve takes more points, if there is one with room.
    void resume();
    // The pixel becomes the next point of the active object.
    void place(ViewQueries::WorldPixel p);
    // An open curve may end anywhere; every other object waits for all its points.
    void endOpenCurve();
    void stop();

  private:
    Scene& scene;
    EditState& editing;
    WindowSystem& window;
    PanelFields& fields;
};
