#include "app/GlutProgram.h"

#include <GL/freeglut.h>

#include <cstdlib>
#include <iostream>

#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/GlFrameCapture.h"
#include "app/GlOverlays.h"
#include "app/GlRasterTarget.h"
#include "app/GlutWindowSystem.h"
#include "app/StartSettings.h"
#include "input/GlViewQueries.h"
#include "surfaces/GlMeshTarget.h"
#include "surfaces/GlRender3D.h"
#include "surfaces/GlTextures.h"
#include "surfaces/TextureList.h"
#include "ui/GlutMenus.h"
#include "ui/GlutPanelWindows.h"

namespace {

GlutPanelWindows* panelWindows = nullptr;

// Callbacks only forward to the one application; reshape also moves the panels along.
void displayCallback() { application->display(); }
void reshapeCallback(int w, int h) {
    application->reshape(w, h);
    panelWindows->placeAll();
}
void keyboardCallback(unsigned char key, int x, int y) { application->onKey(key, x, y); }
void specialCallback(int key, int x, int y) { application->onSpecialKey(key, x, y); }
void mouseCallback(int button, int state, int x, int y) {
    application->onMouse(button, state, x, y);
}
void motionCallback(int x, int y) { application->onDrag(x, y); }
void passiveMotionCallback(int x, int y) { application->onPassiveMotion(x, y); }
void menuStatusCallback(int status, int x, int y) { application->onMenuStatus(status, x, y); }
void idleCallback() { application->onIdle(); }

void setUpWindow(bool is3D, float r, float g, float b) {
    application->buildMenus(is3D);
    glutInitWindowSize(kStartWidth, kStartHeight);
    const int window = glutCreateWindow(is3D ? "3D PIXELFORGE" : "2D PIXELFORGE");
    application->mode.mainWindow = window;
    glClearColor(r, g, b, 1.0f);
    application->buildPanel2D(window);
    glutDisplayFunc(displayCallback);
    glutReshapeFunc(reshapeCallback);
    glutKeyboardFunc(keyboardCallback);
    glutSpecialFunc(specialCallback);
    glutMouseFunc(mouseCallback);
    glutMotionFunc(motionCallback);
    glutPassiveMotionFunc(passiveMotionCallback);
    glutMenuStatusFunc(menuStatusCallback);
    glutIdleFunc(idleCallback);
    application->attachMenu();
}

}  // namespace

int runGlutProgram(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowPosition(0, 0);

    static GlutWindowSystem windowSystem;
    static GlRasterTarget rasterTarget;
    static GlOverlays overlays;
    static GlutMenus menus;
    static GlViewQueries views;
    static int mainWindow = 0;
    static GlFrameCapture frameCapture(std::cout, mainWindow, [] { application->drawFrame(); });
    static GlRender3D render3D;
    static GlMeshTarget mesh;
    const AppServices services{std::cout, windowSystem, rasterTarget,  overlays, render3D,
                               mesh,      &std::cerr,   &frameCapture, &menus,   &views};
    static Application app(sceneFileArgument(argc, argv), false, 0, kStartObjectColor,
                           kStartPolygonColor, kStartControlColor, services);
    application = &app;
    views.pickScene(app.view3D, [] { application->drawScene3D(true); });

    static GlutPanelWindows windows(app.panels.master);
    panelWindows = &windows;
    app.panels.master.setHost(&windows);
    if (const char* layoutFile = std::getenv("PIXELFORGE_LAYOUT_FILE")) {
        app.panels.master.setLayoutFile(layoutFile);
    }
    setUpWindow(app.mode.is3D, kClearColor.r, kClearColor.g, kClearColor.b);
    mainWindow = app.mode.mainWindow;
    std::cout << std::endl;

    app.textures.logoTexture = loadTexture("data/logo.ben");
    app.textures.endTexture = loadTexture("data/konec.ben");
    loadTextureList(app.textures, "textury.cfg", std::cout, std::cerr, loadTexture);
    app.printSpeedHeading();

    glutMainLoop();
    return 0;
}
