#include "input/Mouse3D.h"

#include "input/InputCodes.h"
#include "input/PatchSelection.h"

// A Ctrl+left press both starts the turn and picks.
void Mouse3D::onMouse(int button, int state, int x, int y) {
    const bool left = button == input::kLeftButton;
    if (button == input::kMiddleButton || (left && window.modifiers() == input::kCtrl)) {
        const bool pressed = state == input::kButtonDown;
        s.editing.viewDragging = pressed ? 1 : 0;
        if (pressed) {
            s.editing.dragLastX = x;
            s.editing.dragLastY = y;
        }
    }
    if (left) pick(x, y);
}

// Press and release pick alike, so a click ends on the point under the release.
void Mouse3D::pick(int x, int y) {
    if (s.scene.findActive(s.scene.surfaces3D)) s.editing.activePoint = views.pickPoint3D(x, y);
    window.postRedisplay();
    // The pick walks the list with the shared cursor: the active patch is looked up again.
    if (s.scene.findActive(s.scene.surfaces3D) &&
        mirrorPatchPoint(*s.scene.current, s.editing.activePoint, s.mirrors))
        fields.sync();
}

// One degree per pixel.
void Mouse3D::onDrag(int x, int y) {
    if (s.editing.viewDragging == 0) return;
    s.view.rotY += x - s.editing.dragLastX;
    s.view.rotX += y - s.editing.dragLastY;
    s.editing.dragLastX = x;
    s.editing.dragLastY = y;
    window.postRedisplay();
}
