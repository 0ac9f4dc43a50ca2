#pragma once

#include "ui/Panel2D.h"

// Fills the right panel of the 3D mode and returns its handles; the point fields follow the
// active patch.
PanelHandles buildPanel3D(Panel& panel, const PanelState& state);

// Fills the view panel along the bottom edge.
void buildViewPanel(Panel& viewPanel, View3D& view);
