#include "app/GlutWindowSystem.h"

#include <GL/freeglut.h>

#include <cstdlib>

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

// Two divided by the projection's scale gives the extent of the view in its own units.
CellSize GlutWindowSystem::viewportCells() {
    GLfloat projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    CellSize size;
    if (projection[0] != 0.0f) size.width = static_cast<int>(2.0f / projection[0]);
    if (projection[5] != 0.0f) size.height = static_cast<int>(2.0f / projection[5]);
    return size;
}

void GlutWindowSystem::exitProcess(int status) { std::exit(status); }
