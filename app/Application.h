#pragma once

#include <array>
#include <memory>
#include <ostream>
#include <string>

#include "app/FrameSource.h"
#include "app/SceneObject.h"
#include "app/ScenePass2D.h"
#include "app/WindowSystem.h"
#include "raster2d/CircleAlgorithms.h"
#include "raster2d/CurveAlgorithms.h"
#include "raster2d/EllipseAlgorithms.h"
#include "raster2d/LineAlgorithms.h"

// What the application needs from the outside world: the console, the window system and
// the raster target that every 2D algorithm plots into.
struct AppServices {
    std::ostream& console;
    WindowSystem& window;
    RasterTarget& raster;
    std::ostream* errors = nullptr;  // standard error when none is given
    FrameSource* frames = nullptr;   // exports write an empty picture without one
};

constexpr int kMaxTextures = 30;
constexpr int kTextureLabelCount = 31;
constexpr int kLogoGridSize = 45;

// The one object that holds everything the program knows. Members named as the panels and
// menus bind them; their types are part of that contract.
class Application {
  public:
    Application(const char* fileName, bool is3D, int showGrid, Rgb objectColor, Rgb polygonColor,
                Rgb controlColor, const AppServices& services);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Start-up steps that follow the window set-up.
    void printSpeedHeading();

    // Callbacks.
    void display();
    // Everything of one frame that goes into the back buffer, without the swap.
    void drawFrame();
    void reshape(int width, int height);
    void onKey(unsigned char key, int x, int y);
    void onMouse(int button, int state, int x, int y);
    void onMenuStatus(int status, int x, int y);
    void onIdle();

    // The 2D scene pass and its aids.
    void drawScene2D();
    void markPoint(const Point3& p);
    void markInactive(const Point3& p, float halfSize);

    // Walks `list` from its front with `current`; true when an active object was found,
    // and `current` then stands on it.
    bool findActive(ObjectList& list);
    void updateTypeLabel(bool for3D);

    // Files: the PVF scene and the panel's save and export commands (99, 100, 101).
    bool readVectorFile(const char* name);
    bool writeVectorFile(const char* name);
    void saveVectorFile();
    bool saveBmp(const char* name);
    bool saveTga(const char* name);
    void exportBmp();
    void exportTga();
    void panelCommand(int id);

    void drawGrid(float r, float g, float b);
    CellSize viewportCells();
    void advanceLogo();
    void releaseScene();

    // Members, in the order of the scene model.
    bool is3D;
    int showGrid;
    int showInactivePoints = 0;
    int activePoint = 0;
    int plasticMap = 0;
    int surfaceLighting = 1;
    int material = 0;
    int texture = 0;
    int exitScreen = 0;
    int panelShown = 1;
    int mainWindow = 0;
    int showControlPoints = 1;
    int showControlPolygon = 1;
    float zoom = 40.0f;
    float lightColor[3] = {1.0f, 1.0f, 1.0f};
    ObjectList objects2D;
    ObjectList surfaces3D;
    ObjectCursor current;
    std::unique_ptr<LineAlgorithms> lineAlgo;
    std::unique_ptr<CircleAlgorithms> circleAlgo;
    std::unique_ptr<EllipseAlgorithms> ellipseAlgo;
    std::unique_ptr<CurveAlgorithms> curveAlgo;
    char fileName[300] = "export";
    char typeText[300] = "";
    int textureCount = 0;
    std::array<std::string, kTextureLabelCount> textureLabels;
    unsigned int textureIds[kMaxTextures] = {};
    unsigned int& logoTexture = textureIds[0];
    unsigned int& endTexture = textureIds[1];
    bool syncPaused = false;
    bool showLogo = true;
    float sceneRotation[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    float lightRotation[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    float light1Rotation[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    float panX = -10.0f;
    float panY = 0.0f;
    float lastTime = 0.0f;
    float knotValues[100] = {};
    float logoGrid[kLogoGridSize][kLogoGridSize][3] = {};
    int logoFrame = 0;
    int pixelSize = 1;
    int showSurface = 1;
    int segments = 100;
    int polygonMode = 200;
    int gouraud = 1;
    int envMapping = 0;
    int showAxes = 1;
    int meshDensity = 15;
    int backgroundIndex = 3;
    int objectColorIndex = 0;
    int inactiveColorIndex = 6;
    int controlColorIndex = 2;
    int activeColorIndex = 3;
    int polygonColorIndex = 4;
    int placing = 0;
    int shiftPick = 0;
    Rgb objectColor;
    Rgb polygonColor;
    Rgb controlColor;
    Rgb inactiveColor = {0.0f, 0.0f, 0.0f};
    Rgb activeColor = {1.0f, 1.0f, 0.0f};
    int activeX = 0;
    int activeY = 0;
    int activeZ = 0;
    float activeWeight = 1.0f;
    double rotY = 0.0;
    double rotX = 0.0;
    double rotZ = 0.0;

  private:
    void printBanner();
    void loadCommandLineFile(const char* name);
    void mirrorActivePoints();
    void fillLogoGrid();
    void drawObject2D(SceneObject& object);
    void drawAid(PassEntry2D::Aid aid, const SceneObject& object);
    void drawActivePointHighlight();
    void drawStartImage();
    void drawEndImage();
    void exitApplication();
    bool saveBitmap(const char* name, bool tga);
    void resetFileName();

    std::ostream& out;
    WindowSystem& window;
    std::ostream& err;
    FrameSource* frames;
};

// The one instance, reached by every callback.
extern Application* application;
