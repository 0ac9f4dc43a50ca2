#pragma once

#include <array>

#include "model/AppState.h"
#include "ui/PanelTree.h"

constexpr int kKnotSpinners = 15;

// The controls that other commands fill, enable and read after the panel is built.
struct PanelHandles {
    Control* typeField = nullptr;
    Control* timeField = nullptr;
    Control* activePointSpinner = nullptr;  // 3D only
    Control* pointX = nullptr;
    Control* pointY = nullptr;
    Control* pointZ = nullptr;  // 3D only
    Control* weight = nullptr;
    std::array<Control*, kKnotSpinners> knotSpinners{};
};

// The state a panel edits, group by group.
struct PanelState {
    Scene& scene;
    Settings2D& settings;
    EditorColors& colors;
    PanelMirrors& mirrors;
    Render3D& render;
    View3D& view;
    EditState& editing;
    TextureTable& textures;
};

// Fills the right panel of the 2D mode and returns its handles; the enabling follows the
// active object of the 2D list.
PanelHandles buildPanel2D(Panel& panel, const PanelState& state);

// The parts both modes share: the "Typ :" and time fields in their frame, and the main
// commands with the help and save rollouts below the mode button.
constexpr int kButtonWidth = 140;
void addSpeedFields(Panel& panel, PanelHandles& handles, PanelMirrors& mirrors, int typeWidth);
void addMainMenu(Panel& panel, Control& in, PanelMirrors& mirrors);

// The nine editor colours and the five backgrounds, with their list box items.
extern const char* const kColorNames[9];
extern const Rgb kEditorColors[9];
extern const char* const kBackgroundNames[5];
extern const Rgb kBackgroundColors[5];
void addColorItems(Control& listBox);
void addBackgroundItems(Control& listBox);
