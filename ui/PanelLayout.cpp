#include "ui/PanelLayout.h"

#include <algorithm>

namespace {

constexpr int kRow = 22;  // one line of text with its frame
constexpr int kGap = 3;
constexpr int kMargin = 6;
constexpr int kIndent = 8;
constexpr int kSeparator = 8;

struct Cursor {
    int x, y, width;
};

int rowHeight(const Control& c) {
    if (c.type == ControlType::Separator) return kSeparator;
    if (c.type == ControlType::Rotation || c.type == ControlType::Translation) return 3 * kRow;
    return std::max(kRow, c.height);
}

class Layouter {
  public:
    explicit Layouter(PanelLayout& out) : layout(out) {}

    // Lays the children of `container` from `at` down; returns the y below the last.
    int children(const Control& container, Cursor at) {
        const int top = at.y;
        int bottom = at.y;
        int columnX = at.x;
        int columnWidth = at.width;
        const int columns = 1 + static_cast<int>(std::count_if(
                                    container.children.begin(), container.children.end(),
                                    [](const auto& c) { return c->type == ControlType::Column; }));
        columnWidth = (at.width - (columns - 1) * kGap) / columns;
        int y = top;
        for (const auto& child : container.children) {
            if (child->type == ControlType::Column) {
                columnX += columnWidth + kGap;
                y = top;
                continue;
            }
            y = one(*child, {columnX, y, columnWidth});
            bottom = std::max(bottom, y);
        }
        return bottom;
    }

  private:
    int one(Control& c, Cursor at) {
        const int width =
            c.type == ControlType::Button && c.width > 0 ? std::min(c.width, at.width) : at.width;
        const std::size_t index = layout.rows.size();
        layout.rows.push_back({&c, at.x, at.y, width, rowHeight(c)});
        int below = at.y + rowHeight(c) + kGap;
        if (c.isContainer() && (c.type != ControlType::Rollout || c.open)) {
            below = children(c, {at.x + kIndent, below, at.width - 2 * kIndent}) + kGap;
            layout.rows[index].height = below - at.y - kGap;
        }
        return below;
    }

    PanelLayout& layout;
};

}  // namespace

PanelLayout layoutPanel(Panel& panel, int width) {
    PanelLayout layout;
    if (!panel.visible()) return layout;
    layout.width = width;
    Layouter layouter(layout);
    layout.height = layouter.children(panel.root(), {kMargin, kMargin, width - 2 * kMargin});
    return layout;
}

const char* typeWord(ControlType type) {
    switch (type) {
        case ControlType::StaticText:
            return "text";
        case ControlType::Separator:
            return "separator";
        case ControlType::Panel:
            return "panel";
        case ControlType::Rollout:
            return "rollout";
        case ControlType::Column:
            return "column";
        case ControlType::Button:
            return "button";
        case ControlType::Checkbox:
            return "checkbox";
        case ControlType::IntSpinner:
        case ControlType::FloatSpinner:
            return "spinner";
        case ControlType::TextEdit:
        case ControlType::FloatEdit:
            return "edit";
        case ControlType::ListBox:
            return "listbox";
        case ControlType::Rotation:
            return "rotation";
        case ControlType::Translation:
            return "translation";
    }
    return "";
}

std::string layoutLines(const PanelLayout& layout, int originX, int originY) {
    std::string text;
    for (const ControlRect& r : layout.rows) {
        text += std::to_string(originX + r.x) + '\t' + std::to_string(originY + r.y) + '\t' +
                std::to_string(r.width) + '\t' + std::to_string(r.height) + '\t' +
                typeWord(r.control->type) + '\t' + (r.control->enabled ? "1" : "0") + '\t' +
                r.control->label + '\n';
    }
    return text;
}
