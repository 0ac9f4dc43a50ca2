#include "ui/GlutPanelWindows.h"

#include <GL/freeglut.h>
#include <imgui.h>
#include <imgui_impl_glut.h>
#include <imgui_impl_opengl2.h>

#include <chrono>
#include <deque>
#include <map>

#include "ui/GlPanelRenderer.h"

namespace {

struct Event {
    enum Kind { Move, Button, Wheel, Key, KeyUp, Special, SpecialUp } kind;
    int a = 0, b = 0;  // button and state, key code, wheel direction
    int x = 0, y = 0;
    int modifiers = 0;  // read in the callback: GLUT knows them only there
};

struct PanelWindow {
    Panel* panel = nullptr;
    PanelMaster* master = nullptr;
    ImGuiContext* context = nullptr;
    std::deque<Event> events;
    std::chrono::steady_clock::time_point lastFrame = std::chrono::steady_clock::now();
};

std::map<int, PanelWindow> windows;  // by GLUT window id

PanelWindow* current() {
    const auto it = windows.find(glutGetWindow());
    if (it == windows.end()) return nullptr;
    ImGui::SetCurrentContext(it->second.context);
    return &it->second;
}

void queue(Event e) {
    if (PanelWindow* w = current()) {
        if (e.kind != Event::Move) e.modifiers = glutGetModifiers();
        w->events.push_back(e);
        glutPostRedisplay();
    }
}

// GLUT sends Ctrl+letter as 1 to 26; ImGui's shortcuts look for the letter itself.
void setKey(ImGuiIO& io, int c, bool down) {
    io.KeysDown[c] = down;
    if (c >= 1 && c <= 26) io.KeysDown[c - 1 + 'a'] = io.KeysDown[c - 1 + 'A'] = down;
    if (c >= 'a' && c <= 'z') io.KeysDown[c - 'a' + 'A'] = down;
    if (c >= 'A' && c <= 'Z') io.KeysDown[c - 'A' + 'a'] = down;
}

bool apply(ImGuiIO& io, const Event& e) {
    if (e.kind != Event::Move) {
        io.KeyCtrl = (e.modifiers & GLUT_ACTIVE_CTRL) != 0;
        io.KeyShift = (e.modifiers & GLUT_ACTIVE_SHIFT) != 0;
        io.KeyAlt = (e.modifiers & GLUT_ACTIVE_ALT) != 0;
    }
    switch (e.kind) {
        case Event::Move:
            io.MousePos = ImVec2(float(e.x), float(e.y));
            return false;
        case Event::Button:
            io.MousePos = ImVec2(float(e.x), float(e.y));
            if (e.a == 3 || e.a == 4)
                io.MouseWheel += e.a == 3 ? 1.0f : -1.0f;
            else if (e.a >= 0 && e.a < 3)
                io.MouseDown[e.a] = e.b == GLUT_DOWN;
            return true;
        case Event::Wheel:
            io.MouseWheel += float(e.b);
            return true;
        case Event::Key:
            if (e.a >= 32 && e.a != 127) io.AddInputCharacter(static_cast<unsigned>(e.a));
            setKey(io, e.a, true);
            return true;
        case Event::KeyUp:
            setKey(io, e.a, false);
            return true;
        case Event::Special:
            io.KeysDown[256 + e.a] = true;
            return true;
        case Event::SpecialUp:
            io.KeysDown[256 + e.a] = false;
            return true;
    }
    return false;
}

void display() {
    PanelWindow* w = current();
    if (w == nullptr) return;
    ImGuiIO& io = ImGui::GetIO();
    const auto now = std::chrono::steady_clock::now();
    io.DeltaTime = std::max(1e-4f, std::chrono::duration<float>(now - w->lastFrame).count());
    w->lastFrame = now;
    io.DisplaySize = ImVec2(float(glutGet(GLUT_WINDOW_WIDTH)), float(glutGet(GLUT_WINDOW_HEIGHT)));
    bool discrete = false;
    while (!w->events.empty() && !discrete) {
        discrete = apply(io, w->events.front());
        w->events.pop_front();
    }
    ImGui_ImplOpenGL2_NewFrame();
    ImGui::NewFrame();
    // A control's command runs with the main window current and may open other panels.
    const int self = glutGetWindow();
    drawPanel(*w->panel, w->master->layoutOf(*w->panel));
    glutSetWindow(self);
    ImGui::SetCurrentContext(w->context);
    ImGui::Render();
    glViewport(0, 0, int(io.DisplaySize.x), int(io.DisplaySize.y));
    glClearColor(0.86f, 0.86f, 0.86f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    ImGui_ImplOpenGL2_RenderDrawData(ImGui::GetDrawData());
    glutSwapBuffers();
    // One more frame after an event lets hover and release states settle; a new context
    // lays its window out in the first frames and shows it only after them.
    if (!w->events.empty() || discrete || ImGui::GetFrameCount() < 3) glutPostRedisplay();
}

void mouse(int button, int state, int x, int y) { queue({Event::Button, button, state, x, y}); }
void motion(int x, int y) { queue({Event::Move, 0, 0, x, y}); }
void wheel(int, int direction, int x, int y) { queue({Event::Wheel, 0, direction, x, y}); }
void key(unsigned char c, int x, int y) { queue({Event::Key, c, 0, x, y}); }
void keyUp(unsigned char c, int x, int y) { queue({Event::KeyUp, c, 0, x, y}); }
void special(int k, int x, int y) { queue({Event::Special, k, 0, x, y}); }
void specialUp(int k, int x, int y) { queue({Event::SpecialUp, k, 0, x, y}); }
void reshape(int, int) { glutPostRedisplay(); }

void place(PanelMaster& master, Panel& panel) {
    const PanelLayout layout = master.layoutOf(panel);
    glutPositionWindow(master.originX(panel), master.originY(panel));
    glutReshapeWindow(layout.width, layout.height);
}

}  // namespace

void GlutPanelWindows::opened(Panel& panel) {
    const int main = panel.mainGfxWindow();
    ImGuiContext* const previousContext = ImGui::GetCurrentContext();
    panel.windowId = glutCreateSubWindow(main, 0, 0, kRightPanelWidth, 100);
    PanelWindow& w = windows[panel.windowId];
    w.panel = &panel;
    w.master = &master;
    w.context = ImGui::CreateContext();
    ImGui::SetCurrentContext(w.context);
    ImGui::GetIO().IniFilename = nullptr;
    ImGui::StyleColorsLight();
    ImGui_ImplGLUT_Init();  // fills the key map; its event functions are not used
    ImGui_ImplOpenGL2_Init();
    place(master, panel);
    glutDisplayFunc(display);
    glutReshapeFunc(reshape);
    glutMouseFunc(mouse);
    glutMotionFunc(motion);
    glutPassiveMotionFunc(motion);
    glutMouseWheelFunc(wheel);
    glutKeyboardFunc(key);
    glutKeyboardUpFunc(keyUp);
    glutSpecialFunc(special);
    glutSpecialUpFunc(specialUp);
    glutSetWindow(main);
    // Opened from another panel's command, maybe: that panel's frame goes on afterwards.
    if (previousContext != nullptr) ImGui::SetCurrentContext(previousContext);
}

void GlutPanelWindows::closed(Panel& panel) {
    if (windows.count(panel.windowId) == 0) return;
    const int previous = glutGetWindow();
    glutSetWindow(panel.windowId);
    glutHideWindow();
    glutSetWindow(previous);
}

void GlutPanelWindows::destroyed(Panel& panel) {
    const auto it = windows.find(panel.windowId);
    if (it == windows.end()) return;
    const int previous = glutGetWindow();
    glutSetWindow(panel.windowId);
    ImGui::SetCurrentContext(it->second.context);
    ImGui_ImplOpenGL2_Shutdown();
    ImGui_ImplGLUT_Shutdown();
    ImGui::DestroyContext(it->second.context);
    windows.erase(it);
    glutDestroyWindow(panel.windowId);
    if (previous != panel.windowId) glutSetWindow(previous);
}

void GlutPanelWindows::changed(Panel& panel) {
    if (windows.count(panel.windowId) == 0) return;
    const int previous = glutGetWindow();
    glutSetWindow(panel.windowId);
    if (panel.visible()) {
        glutShowWindow();
        glutPostRedisplay();
    } else {
        glutHideWindow();
    }
    glutSetWindow(previous);
}

// The command that follows runs with the main window current; text fields edit names, not
// the scene.
void GlutPanelWindows::edited(Panel& panel, Control& c) {
    glutSetWindow(panel.mainGfxWindow());
    if (c.type == ControlType::TextEdit || c.type == ControlType::Button) return;
    if (c.liveInt != nullptr || c.liveFloat != nullptr)
        glutPostWindowRedisplay(panel.mainGfxWindow());
}

void GlutPanelWindows::placeAll() {
    const int previous = glutGetWindow();
    for (Panel* panel : master.panels()) {
        if (windows.count(panel->windowId) == 0) continue;
        glutSetWindow(panel->windowId);
        place(master, *panel);
    }
    glutSetWindow(previous);
}
