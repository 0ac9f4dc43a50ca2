#include "input/Keyboard.h"

#include "input/InputCodes.h"

void Keyboard::onKey(unsigned char key, int, int) {
    switch (key) {
        case input::kKeyEscape:
            screens.exitScreen = 1;  // the end image asks A or N
            window.postRedisplay();
            break;
        case 'A':
        case 'a':
            if (screens.exitScreen != 0) exitApplication();
            break;
        case 'N':
        case 'n':
            if (screens.exitScreen != 0) {
                screens.exitScreen = 0;
                window.postRedisplay();
            }
            break;
        default:
            break;
    }
}
