#include "ui/PanelLayout.h"

#include <algorithm>
#include <string>
#include <vector>

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

constexpr int kCharWidth = 7;  // the panel font's advance
constexpr int kPadSide = 50;   // the square of a rotation or translation control

int textWidth(const std::string& text) { return kCharWidth * static_cast<int>(text.size()); }

// The width a control asks for beside others in a row of columns.
int naturalWidth(const Control& c) {
    switch (c.type) {
        case ControlType::Button:
            return c.width > 0 ? c.width : textWidth(c.label) + 16;
        case ControlType::Rotation:
        case ControlType::Translation:
            return std::max(kPadSide, textWidth(c.label) + 4);
        case ControlType::Checkbox:
        case ControlType::StaticText:
            return textWidth(c.label) + 30;
        case ControlType::Separator:
        case ControlType::Column:
            return 0;
        case ControlType::Panel:
        case ControlType::Rollout: {
            int widest = textWidth(c.label) + 30;
            for (const auto& child : c.children)
                widest = std::max(widest, naturalWidth(*child) + 2 * kIndent);
            return widest;
        }
        default:  // a label and its field
            return textWidth(c.label) + 88;
    }
}

// Columns as wide as their widest control, and what is left shared out evenly.
std::vector<int> columnWidths(const Control& container, int width) {
    std::vector<int> widths(1, 0);
    for (const auto& child : container.children) {
        if (child->type == ControlType::Column)
            widths.push_back(0);
        else
            widths.back() = std::max(widths.back(), naturalWidth(*child));
    }
    const int count = static_cast<int>(widths.size());
    int spare = width - (count - 1) * kGap;
    for (int w : widths)
        spare -= w;
    if (spare < 0) return std::vector<int>(widths.size(), (width - (count - 1) * kGap) / count);
    for (int& w : widths)
        w += spare / count;
    return widths;
}

class Layouter {
  public:
    explicit Layouter(PanelLayout& out) : layout(out) {}

    // Lays the children of `container` from `at` down; returns the y below the last.
    int children(const Control& container, Cursor at) {
        const int top = at.y;
        int bottom = at.y;
        const std::vector<int> widths = columnWidths(container, at.width);
        std::size_t column = 0;
        int columnX = at.x;
        std::vector<std::size_t> bars;  // rows of the columns, stretched to the bottom below
        int y = top;
        for (const auto& child : container.children) {
            if (child->type == ControlType::Column) {
                columnX += widths[column++] + kGap;
                y = top;
                if (child->intValue != 0) {  // only a column's bar is drawn
                    bars.push_back(layout.rows.size());
                    layout.rows.push_back({child.get(), columnX - kGap / 2 - 1, top, 1, 0});
                }
                continue;
            }
            y = one(*child, {columnX, y, widths[column]});
            bottom = std::max(bottom, y);
        }
        for (std::size_t row : bars)
            layout.rows[row].height = bottom - top - kGap;
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
