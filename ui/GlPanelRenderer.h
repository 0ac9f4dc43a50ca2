#pragma once

#include "ui/PanelLayout.h"
#include "ui/PanelTree.h"

// Draws a panel with Dear ImGui at the places its layout gives, into the current ImGui frame,
// and turns what the user does to the widgets into the panel's user actions.
void drawPanel(Panel& panel, const PanelLayout& layout);
