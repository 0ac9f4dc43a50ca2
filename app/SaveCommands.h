#pragma once

#include <ostream>

#include "app/FrameSource.h"
#include "model/AppState.h"
#include "model/WindowSystem.h"

// The scene file and the panel's save and export commands, each ending in one console line.
class SaveCommands {
  public:
    struct Streams {
        std::ostream& console;
        std::ostream& errors;
    };

    SaveCommands(Scene& objects, PanelMirrors& fields, const Streams& streams,
                 WindowSystem& windowSystem, FrameSource* frameSource)
        : scene(objects),
          mirrors(fields),
          out(streams.console),
          err(streams.errors),
          window(windowSystem),
          frames(frameSource) {}

    bool readVectorFile(const char* name);
    bool writeVectorFile(const char* name);
    void saveVectorFile();
    bool saveBmp(const char* name);
    bool saveTga(const char* name);
    void exportBmp();
    void exportTga();

  private:
    bool saveBitmap(const char* name, bool tga);
    void resetFileName();

    Scene& scene;
    PanelMirrors& mirrors;
    std::ostream& out;
    std::ostream& err;
    WindowSystem& window;
    FrameSource* frames;
};
