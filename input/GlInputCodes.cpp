// The named input codes must be GLUT's own; a mismatch stops the build here.
#include <GL/freeglut.h>

#include "input/InputCodes.h"

static_assert(input::kKeyF1 == GLUT_KEY_F1 && input::kKeyF11 == GLUT_KEY_F11 &&
              input::kKeyF12 == GLUT_KEY_F12);
static_assert(input::kKeyLeft == GLUT_KEY_LEFT && input::kKeyUp == GLUT_KEY_UP &&
              input::kKeyRight == GLUT_KEY_RIGHT && input::kKeyDown == GLUT_KEY_DOWN);
static_assert(input::kKeyPageUp == GLUT_KEY_PAGE_UP && input::kKeyPageDown == GLUT_KEY_PAGE_DOWN &&
              input::kKeyHome == GLUT_KEY_HOME && input::kKeyEnd == GLUT_KEY_END &&
              input::kKeyInsert == GLUT_KEY_INSERT);
static_assert(input::kLeftButton == GLUT_LEFT_BUTTON &&
              input::kMiddleButton == GLUT_MIDDLE_BUTTON &&
              input::kRightButton == GLUT_RIGHT_BUTTON);
static_assert(input::kButtonDown == GLUT_DOWN && input::kButtonUp == GLUT_UP);
static_assert(input::kShift == GLUT_ACTIVE_SHIFT && input::kCtrl == GLUT_ACTIVE_CTRL &&
              input::kAlt == GLUT_ACTIVE_ALT);
