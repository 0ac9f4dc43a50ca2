#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/PanelLayout.h"
#include "ui/PanelTree.h"

// Where panels become windows: GLUT sub-windows in the program, a recorder in tests.
class PanelHost {
  public:
    virtual ~PanelHost() = default;
    virtual void opened(Panel& panel) = 0;
    // Closed from inside one of its own callbacks, maybe: hide it now, free it in `destroyed`.
    virtual void closed(Panel& panel) = 0;
    virtual void destroyed(Panel& panel) = 0;
    // A user edited a control: the scene is redrawn when it reads what changed.
    virtual void edited(Panel& panel, Control& control) = 0;
    // Shown or hidden, or its layout changed: the window follows and redraws.
    virtual void changed(Panel& panel) = 0;
};

// Owns the panels of the main window, as GLUI's master object does, and keeps the layout
// file when one is asked for.
class PanelMaster {
  public:
    explicit PanelMaster(PanelHost* windows = nullptr) : host(windows) {}

    void setHost(PanelHost* h) { host = h; }
    // Writes the layout of every shown panel to `path` whenever a layout changes.
    void setLayoutFile(std::string path) { layoutPath = std::move(path); }
    void setWindowSize(int width, int height);

    Panel& createSubwindow(int mainWindow, PanelSide side, PanelCallback callback);
    void closeAll();
    // Frees the panels closed since the last call; run it outside every panel callback.
    void collectClosed();
    void syncLiveAll();
    // The strips of the main window that shown panels cover.
    int rightStrip() const;
    int bottomStrip() const;
    // Where a panel stands in the main window, and its size.
    PanelLayout layoutOf(Panel& panel);
    int originX(const Panel& panel) const;
    int originY(const Panel& panel) const;
    std::vector<Panel*> panels();

  private:
    void layoutChanged(Panel& panel);
    void writeLayoutFile();

    PanelHost* host;
    std::vector<std::unique_ptr<Panel>> owned;
    std::vector<std::unique_ptr<Panel>> retired;
    std::string layoutPath;
    std::string lastLayout;
    int windowWidth = 800;
    int windowHeight = 592;
};
