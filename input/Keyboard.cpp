#include "app/Application.h"

namespace {

constexpr unsigned char kEscape = 27;

}  // namespace

void Application::onKey(unsigned char key, int, int) {
    switch (key) {
        case kEscape:
            exitScreen = 1;  // the end image asks A or N
            window.postRedisplay();
            break;
        case 'A':
        case 'a':
            if (exitScreen != 0) exitApplication();
            break;
        case 'N':
        case 'n':
            if (exitScreen != 0) {
                exitScreen = 0;
                window.postRedisplay();
            }
            break;
        default:
            break;
    }
}
