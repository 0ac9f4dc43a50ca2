#include "ui/GlutMenus.h"

#include <GL/freeglut.h>

int GlutMenus::createMenu(Callback callback) { return glutCreateMenu(callback); }

void GlutMenus::setMenu(int menu) { glutSetMenu(menu); }

void GlutMenus::addEntry(const char* label, int value) { glutAddMenuEntry(label, value); }

void GlutMenus::addSubmenu(const char* label, int submenu) { glutAddSubMenu(label, submenu); }

void GlutMenus::attachToRightButton() { glutAttachMenu(GLUT_RIGHT_BUTTON); }
