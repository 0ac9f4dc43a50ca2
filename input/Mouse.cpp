#include "input/Mouse.h"

#include "input/InputCodes.h"

void Mouse::onMouse(int button, int, int, int) {
    if (mode.is3D) return;
    // Any press or release of the left or right button gives the start image way to the scene.
    const bool leftOrRight = button == input::kLeftButton || button == input::kRightButton;
    if (screens.showLogo && leftOrRight) {
        screens.showLogo = false;
        window.postRedisplay();
    }
}
