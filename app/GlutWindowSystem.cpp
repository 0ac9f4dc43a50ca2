#include "app/GlutWindowSystem.h"

#include <GL/freeglut.h>

#include <cstdlib>

#include "app/GlProjectionCells.h"

void GlutWindowSystem::postRedisplay() { glutPostRedisplay(); }

void GlutWindowSystem::setCursor(Cursor cursor) {
    glutSetCursor(cursor == Cursor::Help ? GLUT_CURSOR_HELP : GLUT_CURSOR_LEFT_ARROW);
}

int GlutWindowSystem::modifiers() { return glutGetModifiers(); }

int GlutWindowSystem::currentWindow() { return glutGetWindow(); }

void GlutWindowSystem::setWindow(int id) { glutSetWindow(id); }

void GlutWindowSystem::reshapeWindow(int width, int height) { glutReshapeWindow(width, height); }

CellSize GlutWindowSystem::windowSize() {
    return {glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT)};
}

void GlutWindowSystem::setTitle(const char* title) { glutSetWindowTitle(title); }

CellSize GlutWindowSystem::viewportCells() { return projectionCells(); }

void GlutWindowSystem::exitProcess(int status) { std::exit(status); }
