#include "ui/PanelTree.h"

#include <algorithm>
#include <cstring>

void Control::setIntVal(int v) {
    if (limited) v = static_cast<int>(std::clamp(static_cast<float>(v), low, high));
    intValue = v;
    if (liveInt != nullptr) *liveInt = v;
}

void Control::setFloatVal(float v) {
    if (limited) v = std::clamp(v, low, high);
    floatValue = v;
    if (liveFloat != nullptr) *liveFloat = v;
}

// A text field's buffer keeps its terminating zero: longer text is cut, never overflows.
void Control::setText(const std::string& t) {
    if (liveText == nullptr || liveTextSize == 0) {
        text = t;
        return;
    }
    text = t.substr(0, liveTextSize - 1);
    std::copy(text.begin(), text.end(), liveText);
    liveText[text.size()] = '\0';
}

void Control::setFloatLimits(float lowest, float highest) {
    limited = true;
    low = lowest;
    high = highest;
}

std::string Control::itemText(int itemId) const {
    for (const auto& [key, name] : items) {
        if (key == itemId) return name;
    }
    return {};
}

void Control::readLive() {
    if (liveInt != nullptr) intValue = *liveInt;
    if (liveFloat != nullptr && type != ControlType::Rotation) floatValue = *liveFloat;
    if (liveText != nullptr) text.assign(liveText, strnlen(liveText, liveTextSize));
}

bool Control::isContainer() const {
    return type == ControlType::Panel || type == ControlType::Rollout;
}

void Control::setEnabled(bool on) {
    if (enabled == on) return;
    enabled = on;
    if (onLayoutChange) onLayoutChange();
}

Panel::Panel(PanelSide where, PanelCallback cb)
    : side(where),
      callback(std::move(cb)),
      top(std::make_unique<Control>(ControlType::Panel, "", nullptr)) {}

Control& Panel::add(Control& in, ControlType type, const std::string& label, int id) {
    in.children.push_back(std::make_unique<Control>(type, label, &in));
    Control& c = *in.children.back();
    c.id = id;
    c.onLayoutChange = [this] { layoutChanged(); };
    layoutChanged();
    return c;
}

Control& Panel::addPanel(Control& in, const std::string& label) {
    return add(in, ControlType::Panel, label, -1);
}

Control& Panel::addRollout(Control& in, const std::string& label, bool open) {
    Control& c = add(in, ControlType::Rollout, label, -1);
    c.open = open;
    return c;
}

Control& Panel::addColumn(Control& in, bool bar) {
    Control& c = add(in, ControlType::Column, "", -1);
    c.intValue = bar ? 1 : 0;
    return c;
}

Control& Panel::addStaticText(Control& in, const std::string& text) {
    return add(in, ControlType::StaticText, text, -1);
}

Control& Panel::addSeparator(Control& in) { return add(in, ControlType::Separator, "", -1); }

Control& Panel::addButton(Control& in, const std::string& label, int id) {
    return add(in, ControlType::Button, label, id);
}

// A control bound to a live variable shows its value from the start.
Control& Panel::addBound(Control& in, ControlType type, const std::string& label, int* liveInt,
                         float* liveFloat, int id) {
    Control& c = add(in, type, label, id);
    c.liveInt = liveInt;
    c.liveFloat = liveFloat;
    c.readLive();
    return c;
}

Control& Panel::addCheckbox(Control& in, const std::string& label, int* live, int id) {
    return addBound(in, ControlType::Checkbox, label, live, nullptr, id);
}

Control& Panel::addIntSpinner(Control& in, const std::string& label, int* live, int id) {
    return addBound(in, ControlType::IntSpinner, label, live, nullptr, id);
}

Control& Panel::addFloatSpinner(Control& in, const std::string& label, float* live, int id) {
    return addBound(in, ControlType::FloatSpinner, label, nullptr, live, id);
}

Control& Panel::addFloatEdit(Control& in, const std::string& label, float* live, int id) {
    return addBound(in, ControlType::FloatEdit, label, nullptr, live, id);
}

Control& Panel::addListBox(Control& in, const std::string& label, int* live, int id) {
    return addBound(in, ControlType::ListBox, label, live, nullptr, id);
}

Control& Panel::addText(Control& in, const std::string& label, char* live, std::size_t size,
                        int id) {
    Control& c = add(in, ControlType::TextEdit, label, id);
    c.liveText = live;
    c.liveTextSize = size;
    c.readLive();
    return c;
}

Control& Panel::addRotation(Control& in, const std::string& label, float* matrix, int id) {
    Control& c = add(in, ControlType::Rotation, label, id);
    c.liveFloat = matrix;
    return c;
}

Control& Panel::addTranslation(Control& in, const std::string& label, TranslationKind kind,
                               float* x, float* y, int id) {
    Control& c = add(in, ControlType::Translation, label, id);
    c.translation = kind;
    c.liveFloat = x;
    c.liveFloat2 = kind == TranslationKind::XY ? y : nullptr;
    c.readLive();
    return c;
}

void Panel::edited(Control& c) {
    if (onUserChange) onUserChange(c);
    if (c.id != -1 && callback) callback(c.id);
}

void Panel::userSetInt(Control& c, int v) {
    if (!c.enabled) return;
    c.setIntVal(v);
    edited(c);
}

void Panel::userSetFloat(Control& c, float v) {
    if (!c.enabled) return;
    c.setFloatVal(v);
    edited(c);
}

void Panel::userSetText(Control& c, const std::string& text) {
    if (!c.enabled) return;
    c.setText(text);
    edited(c);
}

void Panel::userSetMatrix(Control& c, const float (&m)[16]) {
    if (!c.enabled || c.liveFloat == nullptr) return;
    std::copy(std::begin(m), std::end(m), c.liveFloat);
    edited(c);
}

void Panel::userTranslate(Control& c, float dx, float dy) {
    if (!c.enabled || c.type != ControlType::Translation || c.liveFloat == nullptr) return;
    const bool across = c.translation == TranslationKind::XY || c.translation == TranslationKind::X;
    *c.liveFloat += c.speed * (across ? dx : dy);
    if (c.liveFloat2 != nullptr) *c.liveFloat2 += c.speed * dy;
    c.readLive();
    edited(c);
}

void Panel::userClick(Control& button) {
    if (button.enabled) edited(button);
}

void Panel::userToggle(Control& rollout) {
    rollout.open = !rollout.open;
    layoutChanged();
}

void Panel::syncLive() {
    for (Control* c : controls())
        c->readLive();
    layoutChanged();
}

void Panel::syncControl(Control& c) {
    c.readLive();
    layoutChanged();
}

void Panel::show() {
    shown = true;
    layoutChanged();
}

void Panel::hide() {
    shown = false;
    layoutChanged();
}

void Panel::close() {
    closed = true;
    layoutChanged();
}

std::vector<Control*> Panel::controls() {
    std::vector<Control*> all;
    std::function<void(Control&)> walk = [&](Control& c) {
        for (auto& child : c.children) {
            all.push_back(child.get());
            walk(*child);
        }
    };
    walk(*top);
    return all;
}

void Panel::layoutChanged() {
    if (onLayoutChange) onLayoutChange();
}
