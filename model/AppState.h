#pragma once

#include <array>
#include <string>

#include "model/SceneObject.h"
#include "model/Types.h"

// The state of the one application, in plain groups that handlers and panels bind to
// (`&app.view3D.zoom`). Every member keeps the name and start value the program is known by.

struct ModeState {
    bool is3D = false;
    int mainWindow = 0;  // GLUT id
    int panelShown = 1;
};

// Both lists and the one cursor that every walk over either list shares.
struct Scene {
    Scene() = default;
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    // Leaves `current` on the first active object of `list`; false when there is none.
    bool findActive(ObjectList& list) {
        for (current = list.begin(); current != list.end(); ++current) {
            if (current->active) return true;
        }
        return false;
    }

    ObjectList objects2D;
    ObjectList surfaces3D;
    ObjectCursor current = objects2D.end();
};

struct Settings2D {
    int showGrid = 0;
    int showInactivePoints = 0;
    int showControlPoints = 1;  // also the control net in 3D
    int showControlPolygon = 1;
    int showAxes = 1;  // both modes
    int pixelSize = 1;
    int segments = 100;
};

struct EditState {
    int activePoint = 0;  // -1: none
    int placing = 0;
    int shiftPick = 0;
    bool syncPaused = false;
    int viewDragging = 0;  // the 3D view turns with the mouse
    int dragLastX = 0;     // window pixels
    int dragLastY = 0;
};

// Each index into the nine editor colours has its RGB beside it; the passes use the RGB.
struct EditorColors {
    int backgroundIndex = 3;
    int objectColorIndex = 0;
    int inactiveColorIndex = 6;
    int controlColorIndex = 2;
    int activeColorIndex = 3;
    int polygonColorIndex = 4;
    Rgb objectColor;
    Rgb polygonColor;
    Rgb controlColor;
    Rgb inactiveColor = {0.0f, 0.0f, 0.0f};
    Rgb activeColor = {1.0f, 1.0f, 0.0f};
};

struct View3D {
    float zoom = 40.0f;
    float sceneRotation[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    float lightRotation[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    float light1Rotation[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    float panX = -10.0f;
    float panY = 0.0f;
    double rotY = 0.0;  // degrees
    double rotX = 0.0;
    double rotZ = 0.0;
};

struct Render3D {
    int plasticMap = 0;
    int surfaceLighting = 1;
    int material = 0;
    int texture = 0;
    float lightColor[3] = {1.0f, 1.0f, 1.0f};
    int showSurface = 1;
    int polygonMode = 200;
    int gouraud = 1;
    int envMapping = 0;
    int meshDensity = 15;
};

// The panel's view of the active object: its point, weight, knots, type and last time, and
// the file name field.
struct PanelMirrors {
    int activeX = 0;
    int activeY = 0;
    int activeZ = 0;
    float activeWeight = 1.0f;
    float knotValues[100] = {};
    char typeText[300] = "";
    float lastTime = 0.0f;  // ms
    char fileName[300] = "export";
};

constexpr int kLogoGridSize = 45;
using LogoGrid = float[kLogoGridSize][kLogoGridSize][3];

struct Screens {
    bool showLogo = true;
    int exitScreen = 0;
    LogoGrid logoGrid = {};
    int logoFrame = 0;
};

constexpr int kMaxTextures = 30;
constexpr int kTextureLabelCount = 31;
constexpr int kListedTextureSlots = 28;  // entries 2 to 29 of `textureIds`

struct TextureTable {
    TextureTable() = default;
    TextureTable(const TextureTable&) = delete;
    TextureTable& operator=(const TextureTable&) = delete;

    int textureCount = 0;
    std::array<std::string, kTextureLabelCount> textureLabels;
    unsigned int textureIds[kMaxTextures] = {};  // GL texture names
    unsigned int& logoTexture = textureIds[0];
    unsigned int& endTexture = textureIds[1];
};
