#include "input/Keyboard.h"

#include <algorithm>
#include <iterator>

#include "input/InputCodes.h"

void Keyboard::onKey(unsigned char key, int, int) {
    const bool in3D = s.mode.is3D;
    switch (key) {
        case input::kKeyEnter:
            if (in3D) {
                patches.next();
            } else {
                nextObject2D();
            }
            break;
        case input::kKeyEscape:
            s.screens.exitScreen = 1;  // the end image asks A or N
            window.postRedisplay();
            break;
        case '+':
            if (in3D) {
                changeZoom(-1.0f);  // closer
            } else {
                changePixelSize(+1);
            }
            break;
        case '-':
            if (in3D) {
                changeZoom(+1.0f);
            } else {
                changePixelSize(-1);
            }
            break;
        case '1':
        case '2':
        case '3':
            if (in3D) viewPreset(key);
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

void Keyboard::changeZoom(float step) {
    s.view.zoom += step;
    if (fields.shown()) {
        fields.sync();
        fields.updateTypeLabel(true);
    }
    window.postRedisplay();
}

// Keys 1, 2 and 3 set fixed views; the panel's own turn of the
// scene gives way to them.
void Keyboard::viewPreset(unsigned char key) {
    static constexpr double kAngles[][2] = {{0.0, 0.0}, {-90.0, 0.0}, {-180.0, -90.0}};
    static constexpr float kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    const auto preset = static_cast<std::size_t>(key - '1');
    s.view.rotY = kAngles[preset][0];
    s.view.rotX = kAngles[preset][1];
    if (fields.shown()) {
        std::copy(std::begin(kIdentity), std::end(kIdentity), s.view.sceneRotation);
        fields.sync();
    }
    window.postRedisplay();
}
