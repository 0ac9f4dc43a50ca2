#pragma once

#include "ui/PanelMaster.h"

// Each panel as a GLUT sub-window of the main window with an ImGui context of its own.
// Events are queued by the sub-window's callbacks and applied by its frames: every pointer
// move at once, at most one press, release, wheel step or key per frame, so a click whose
// press and release arrive together is never lost.
class GlutPanelWindows final : public PanelHost {
  public:
    explicit GlutPanelWindows(PanelMaster& panels) : master(panels) {}

    void opened(Panel& panel) override;
    void closed(Panel& panel) override;
    void destroyed(Panel& panel) override;
    void changed(Panel& panel) override;
    void edited(Panel& panel, Control& control) override;

    // The main window's reshape: the sub-windows follow its edges.
    void placeAll();

  private:
    PanelMaster& master;
};
