#include "input/FunctionKeys.h"

#include <algorithm>
#include <iterator>

#include "input/InputCodes.h"
#include "input/ViewQueries.h"
#include "model/ObjectKind.h"

// A row that acts in one mode only names it.
void FunctionKeys::onSpecialKey(int key, int x, int y) {
    const bool in2D = !s.mode.is3D;
    switch (key) {
        case input::kKeyF11:
            if (in2D) {
                toggle(s.settings.showInactivePoints,
                       "SYSTEM: Zobrazovani neaktivnich bodu aktivovano",
                       "SYSTEM: Zobrazovani neaktivnich dodu deaktivovano");
            }
            break;
        case input::kKeyF12:
            if (in2D)
                toggle(s.settings.showGrid, "SYSTEM: Rastrova mrizka ON",
                       "SYSTEM: Rastrova mrizka OFF");
            break;
        case input::kKeyLeft:
        case input::kKeyRight:
        case input::kKeyUp:
        case input::kKeyDown:
        case input::kKeyPageUp:
        case input::kKeyPageDown:
            if (!in2D) surface.onKey(key, window.modifiers());
            break;
        case input::kKeyEnd:
            end();
            break;
        case input::kKeyInsert:
            if (in2D) resumePlacing(x, y);
            break;
        default:
            break;
    }
}

void FunctionKeys::toggle(int& flag, const char* onLine, const char* offLine) {
    flag = flag == 0 ? 1 : 0;
    out << (flag != 0 ? onLine : offLine) << std::endl;
    window.postRedisplay();
    fields.sync();  // the check box follows
}

// Ctrl+End deletes in either mode; End alone shows the active surface's point again.
void FunctionKeys::end() {
    const bool ctrl = window.modifiers() == input::kCtrl;
    if (!s.mode.is3D) {
        if (ctrl) deleteActive2D();
    } else if (ctrl) {
        patches.deleteActive();
    } else {
        patches.refreshFields();
    }
}

// The object after the deleted one, the first after the last, becomes active.
void FunctionKeys::deleteActive2D() {
    ObjectList& list = s.scene.objects2D;
    if (!s.scene.findActive(list)) return;
    placement.stop();
    const bool weighted = isWeighted2D(s.scene.current->kind);
    const ObjectCursor after = list.erase(s.scene.current);
    const ObjectCursor next = after == list.end() ? list.begin() : after;
    s.scene.current = next;
    if (next != list.end()) next->active = true;
    // The weight and knot fields of a rational curve go with it.
    if (weighted) fields.rebuild();
    showNewActive(next);
    s.editing.activePoint = -1;
    fields.sync();
    window.postRedisplay();
}

void FunctionKeys::showNewActive(ObjectCursor active) {
    const bool some = active != s.scene.objects2D.end();
    if (!some || !isNurbs(active->kind)) {
        std::fill(std::begin(s.mirrors.knotValues), std::end(s.mirrors.knotValues), 0.0f);
        fields.clearKnotsAndWeight();
    }
    if (!some) return;
    fields.offerObject(*active, -1);
    fields.updateTypeLabel(false);
}

// Insert goes on adding points to the active open curve, from a key pressed over the view.
void FunctionKeys::resumePlacing(int x, int y) {
    if (insideView(window.viewportCells(), x, y)) placement.resume();
}
