#pragma once

#include "ui/Panel2D.h"
#include "ui/PanelMaster.h"

// The panels of the current mode and the controls that commands reach into.
struct Panels {
    PanelMaster master;
    Panel* panel = nullptr;      // right edge
    Panel* viewPanel = nullptr;  // bottom edge, 3D only
    PanelHandles handles;
};
