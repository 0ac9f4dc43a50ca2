#!/usr/bin/env bash
# A scene rendered with no X display equals, pixel for pixel, the window's view of it.
. "$(dirname "$0")/lib.sh"
e2e_begin "$1"
scene=examples/everything.pvf

env -u DISPLAY "$E2E_BINARY" --render "$scene" "$E2E_WORK/render.png"
check_eq "the render ends with status 0" 0 "$?"

xs_start_app "$E2E_BINARY" "$E2E_WORK/console.txt" "$scene" || { echo "FAIL: no window"; exit 1; }
# The click that leaves the start image also picks: on the active curve's first point (446, 30)
# it keeps that point active, as the render shows it.
xdotool mousemove 446 $((592 - 30)) click 1
# The view is the window left of the panel; the render is the same view, wider.
view() { convert "$1" -crop 550x592+0+0 +repage "$2"; }
differing_pixels() {
    view "$E2E_WORK/render.png" "$E2E_WORK/render-view.png"
    view "$E2E_WORK/window.png" "$E2E_WORK/window-view.png"
    compare -metric AE "$E2E_WORK/render-view.png" "$E2E_WORK/window-view.png" null: 2>&1
}
same_as_render() { xs_screenshot "$E2E_WORK/window.png" && [ "$(differing_pixels)" = 0 ]; }
xs_await 10 same_as_render
check_eq "pixels that differ between the render and the window" 0 "$(differing_pixels)"
xdotool key Escape a
xs_wait_for_exit 20
e2e_end
