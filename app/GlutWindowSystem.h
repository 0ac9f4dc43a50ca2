#pragma once

#include "model/WindowSystem.h"

class GlutWindowSystem final : public WindowSystem {
  public:
    void postRedisplay() override;
    void setCursor(Cursor cursor) override;
    int modifiers() override;
    int currentWindow() override;
    void setWindow(int id) override;
    void reshapeWindow(int width, int height) override;
    CellSize windowSize() override;
    void setTitle(const char* title) override;
    CellSize viewportCells() override;
    void exitProcess(int status) override;
};
