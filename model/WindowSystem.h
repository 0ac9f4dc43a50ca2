#pragma once

// Every call that the application makes into the window system goes through this interface:
// GLUT in the program, a recording fake in tests.
enum class Cursor { LeftArrow, Help };

struct CellSize {
    int width = 0;
    int height = 0;
};

class WindowSystem {
  public:
    virtual ~WindowSystem() = default;

    virtual void postRedisplay() = 0;
    virtual void setCursor(Cursor cursor) = 0;
    // 1 Shift, 2 Ctrl, as GLUT reports them.
    virtual int modifiers() = 0;
    virtual int currentWindow() = 0;
    virtual void setWindow(int id) = 0;
    virtual void reshapeWindow(int width, int height) = 0;
    virtual CellSize windowSize() = 0;
    virtual void setTitle(const char* title) = 0;
    // Width and height of the current 2D projection in its own units.
    virtual CellSize viewportCells() = 0;
    // Ends the process in the program; a fake records the status and returns.
    virtual void exitProcess(int status) = 0;
};
