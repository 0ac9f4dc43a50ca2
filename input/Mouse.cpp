#include "app/Application.h"

namespace {

constexpr int kLeftButton = 0;
constexpr int kRightButton = 2;

}  // namespace

void Application::onMouse(int button, int, int, int) {
    if (is3D) return;
    // Any press or release of the left or right button gives the start image way to the scene.
    if (showLogo && (button == kLeftButton || button == kRightButton)) {
        showLogo = false;
        window.postRedisplay();
    }
}
