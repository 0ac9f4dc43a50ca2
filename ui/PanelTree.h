#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// A retained tree of panel controls, after the GLUI toolkit: each control may edit one live
// variable of the application and report its id to the panel's one callback. It lives without
// a window, so tests build panels and act on them as a user would.

enum class ControlType {
    StaticText,
    Separator,
    Panel,
    Rollout,
    Column,
    Button,
    Checkbox,
    IntSpinner,
    FloatSpinner,
    TextEdit,
    FloatEdit,
    ListBox,
    Rotation,
    Translation
};
enum class Align { Left, Center, Right };
// Which way a translation control moves its values: XY two of them, the others one.
enum class TranslationKind { XY, X, Y, Z };

using PanelCallback = std::function<void(int id)>;

class Control {
  public:
    Control(ControlType kind, std::string name, Control* container)
        : type(kind), label(std::move(name)), parent(container) {}

    void enable() { setEnabled(true); }
    void disable() { setEnabled(false); }
    void setIntVal(int v);
    void setFloatVal(float v);
    void setText(const std::string& text);
    void setIntLimits(int lowest, int highest) {
        setFloatLimits(static_cast<float>(lowest), static_cast<float>(highest));
    }
    void setFloatLimits(float lowest, float highest);
    void setSpeed(float s) { speed = s; }
    // How much of a drag a rotation turns: 1 the whole arc, 0.5 half of it.
    void setSpin(float s) { spin = s; }
    void setW(int w) { width = w; }
    void setH(int h) { height = h; }
    void setAlignment(Align a) { align = a; }
    void addItem(int itemId, const std::string& itemText) { items.emplace_back(itemId, itemText); }
    // The label of the list box item with this id; empty when there is none.
    std::string itemText(int itemId) const;

    // Reads the live variable into the shown value.
    void readLive();
    bool isContainer() const;

    const ControlType type;
    const std::string label;
    Control* const parent;
    int id = -1;
    bool enabled = true;
    bool open = true;  // rollouts
    Align align = Align::Left;
    int width = 0;  // 0: the layout's default
    int height = 0;
    float speed = 1.0f;
    float spin = 1.0f;
    TranslationKind translation = TranslationKind::XY;
    bool limited = false;
    float low = 0.0f, high = 0.0f;
    int intValue = 0;
    float floatValue = 0.0f;
    std::string text;
    std::vector<std::pair<int, std::string>> items;
    std::vector<std::unique_ptr<Control>> children;

    int* liveInt = nullptr;
    float* liveFloat = nullptr;   // a float[16] for rotations
    float* liveFloat2 = nullptr;  // y of an XY translation
    char* liveText = nullptr;
    std::size_t liveTextSize = 0;

    std::function<void()> onLayoutChange;  // set by the panel

  private:
    void setEnabled(bool on);
};

enum class PanelSide { Right, Bottom };

class Panel {
  public:
    Panel(PanelSide side, PanelCallback callback);

    Control& root() { return *top; }
    Control& addPanel(Control& in, const std::string& label);
    Control& addRollout(Control& in, const std::string& label, bool open);
    Control& addColumn(Control& in, bool bar);
    Control& addStaticText(Control& in, const std::string& text);
    Control& addSeparator(Control& in);
    Control& addButton(Control& in, const std::string& label, int id);
    Control& addCheckbox(Control& in, const std::string& label, int* live, int id = -1);
    Control& addIntSpinner(Control& in, const std::string& label, int* live, int id = -1);
    Control& addFloatSpinner(Control& in, const std::string& label, float* live, int id = -1);
    template <std::size_t N>
    Control& addTextEdit(Control& in, const std::string& label, char (&live)[N], int id = -1) {
        return addText(in, label, live, N, id);
    }
    Control& addFloatEdit(Control& in, const std::string& label, float* live, int id = -1);
    Control& addListBox(Control& in, const std::string& label, int* live, int id = -1);
    // A float[16] matrix turned by dragging, an arcball.
    Control& addRotation(Control& in, const std::string& label, float* matrix, int id = -1);
    // Dragging moves `x` (XY also `y`) by speed times the pixels dragged; a Y or Z control
    // moves `x` with the vertical drag.
    Control& addTranslation(Control& in, const std::string& label, TranslationKind kind, float* x,
                            float* y = nullptr, int id = -1);

    // What a user does; each writes the live variable (clamped first) and calls back.
    void userSetInt(Control& c, int v);
    void userSetFloat(Control& c, float v);
    void userSetText(Control& c, const std::string& text);
    void userSetMatrix(Control& c, const float (&m)[16]);
    // A drag over a translation control, in pixels, right and up positive.
    void userTranslate(Control& c, float dx, float dy);
    void userClick(Control& button);
    void userToggle(Control& rollout);

    void syncLive();
    // Shows the live variable of one control again, as the main window changed it.
    void syncControl(Control& c);
    void show();
    void hide();
    void close();
    bool visible() const { return shown && !closed; }
    bool isClosed() const { return closed; }
    void setMainGfxWindow(int window) { mainWindow = window; }
    int mainGfxWindow() const { return mainWindow; }

    // Every control in creation order.
    std::vector<Control*> controls();

    const PanelSide side;
    std::function<void()> onLayoutChange;        // layout or shown values changed
    std::function<void(Control&)> onUserChange;  // a user edited this control
    int windowId = 0;                            // set by the window glue

  private:
    Control& add(Control& in, ControlType type, const std::string& label, int id);
    Control& addBound(Control& in, ControlType type, const std::string& label, int* liveInt,
                      float* liveFloat, int id);
    Control& addText(Control& in, const std::string& label, char* live, std::size_t size, int id);
    void edited(Control& c);
    void layoutChanged();

    PanelCallback callback;
    std::unique_ptr<Control> top;
    bool shown = true;
    bool closed = false;
    int mainWindow = 0;
};
