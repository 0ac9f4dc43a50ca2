#pragma once

#include "ui/PanelLayout.h"
#include "ui/PanelTree.h"

// The controls that are dragged rather than clicked, drawn with Dear ImGui into the current
// frame: a ball that turns a matrix, a pad that moves one or two values.
void rotationControl(Panel& panel, const ControlRect& rect);
void translationControl(Panel& panel, const ControlRect& rect);
