#include "input/Keyboard.h"

#include <algorithm>
#include <iterator>

#include "input/InputCodes.h"

// The rows that act in one mode only name it; the other mode's rows join them there.
void Keyboard::onKey(unsigned char key, int, int) {
    switch (key) {
        case input::kKeyEnter:
            if (!s.mode.is3D) nextObject2D();
            break;
        case input::kKeyEscape:
            s.screens.exitScreen = 1;  // the end image asks A or N
            window.postRedisplay();
            break;
        case '+':
            if (!s.mode.is3D) changePixelSize(+1);
            break;
        case '-':
            if (!s.mode.is3D) changePixelSize(-1);
            break;
        case 'A':
        case 'a':
            if (s.screens.exitScreen != 0) exitApplication();
            break;
        case 'N':
        case 'n':
            if (s.screens.exitScreen != 0) {
                s.screens.exitScreen = 0;
                window.postRedisplay();
            }
            break;
        default:
            break;
    }
}

// The object after the active one in list order, the first after the last, becomes active.
void Keyboard::nextObject2D() {
    ObjectList& list = s.scene.objects2D;
    if (!s.scene.findActive(list)) return;
    const ObjectCursor after = std::next(s.scene.current);
    placement.finishPlacing();  // may drop the active object itself
    if (s.scene.findActive(list)) s.scene.current->active = false;
    placement.stop();
    const ObjectCursor next = after == list.end() ? list.begin() : after;
    s.scene.current = next;
    if (next != list.end()) {
        next->active = true;
        fields.showPoint(*next, s.editing.activePoint);
        fields.offerObject(*next, s.editing.activePoint);
        fields.updateTypeLabel(false);
    }
    fields.sync();
    window.postRedisplay();
}

void Keyboard::changePixelSize(int step) {
    s.settings.pixelSize = std::clamp(s.settings.pixelSize + step, 1, 10);
    fields.sync();  // the frame sets the point size; the spinner shows it
    fields.updateTypeLabel(false);
    window.postRedisplay();
}
