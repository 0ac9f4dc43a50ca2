#pragma once

#include <string>
#include <vector>

#include "ui/PanelTree.h"

// Where each shown control of a panel stands, in pixels from the panel's top-left corner.
// The drawing follows it, and so does the layout file that tests use to find controls.
struct ControlRect {
    Control* control;
    int x, y, width, height;
};

struct PanelLayout {
    int width = 0;
    int height = 0;
    std::vector<ControlRect> rows;  // creation order
};

constexpr int kRightPanelWidth = 250;
constexpr int kBottomPanelHeight = 140;

// `width` is the panel's own for a right panel and the window's for a bottom one.
PanelLayout layoutPanel(Panel& panel, int width);

// One line per row: x, y, width, height from `originX`, `originY`, the type word, 1 or 0 for
// enabled, and the label, tab-separated.
std::string layoutLines(const PanelLayout& layout, int originX, int originY);
const char* typeWord(ControlType type);
