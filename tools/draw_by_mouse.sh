#!/usr/bin/env bash
# Builds a scene with the mouse alone, as a user would: from an empty window, every kind that
# the pop-up menu offers in 2D is chosen there and placed with clicks (the open curves ended
# with the middle button), then the scene is saved with the panel's PVF button. Leaves the
# picture in docs/drawn-by-mouse.png and the scene in run-output/drawn-by-mouse.pvf.
#   tools/draw_by_mouse.sh [path/to/pixelforge]    (default build/pixelforge)
set -euo pipefail
cd "$(dirname "$0")/.."
binary=${1:-build/pixelforge}
. tools/xsession.sh
trap xs_stop EXIT
xs_start_display
mkdir -p docs run-output
work=$(mktemp -d)
layout="$work/layout.txt"
export PIXELFORGE_LAYOUT_FILE="$layout"
xs_start_app "$binary" "$work/console.txt"
xdotool mousemove 300 300 click 1

# draw ENTRY... -- X Y...: chooses the menu entry by its indices, then clicks every point;
# "end" in place of a point ends an open curve with the middle button.
draw() {
    local entries=()
    while [ "$1" != "--" ]; do entries+=("$1"); shift; done
    shift
    xs_menu_choose 10 10 "${entries[@]}"
    while [ $# -gt 0 ]; do
        if [ "$1" = end ]; then xdotool click 2; shift; continue; fi
        xdotool mousemove "$1" "$2" click 1
        shift 2
    done
}

lines=0 circles=1 ellipses=2 curves=3
draw $lines 0 -- 20 30 150 60
draw $lines 1 -- 20 70 150 100
draw $lines 2 -- 20 110 150 140
draw $circles 0 -- 230 80
draw $circles 1 -- 345 80
draw $circles 2 -- 460 80
draw $ellipses 0 -- 75 280
draw $ellipses 1 -- 190 280
draw $ellipses 2 -- 305 280
draw $curves 0 -- 380 160 410 140 450 200 530 160
draw $curves 1 -- 380 220 410 200 450 260 530 220
draw $curves 3 -- 380 280 410 260 450 320 530 280
draw $curves 4 -- 380 300 410 320 450 360 530 330
draw $curves 5 -- 380 380 420 350 490 380 530 410
draw $curves 2 1 -- 20 420 60 380 120 380 160 420
draw $curves 7 -- 190 420 230 380 270 430 310 380 350 420 end
draw $curves 8 -- 20 450 60 500 100 440 140 500 180 450 end
draw $curves 9 -- 200 450 240 500 280 440 320 500 360 450 end
draw $curves 10 -- 390 440 430 430 470 480 520 470 end
draw $curves 11 2 -- 20 520 60 580 100 520 140 580 180 520 end
draw $curves 12 0 -- 300 520 300 575 355 575 410 575 410 520 410 465 355 465
draw $curves 12 1 -- 440 580 450 510 520 510 530 580
sleep 1
xs_screenshot docs/drawn-by-mouse.png

xs_click_control "$layout" rollout "Hlavni nabidka"
xs_await_control "$layout" rollout "Ulozeni do souboru" 1
xs_click_control "$layout" rollout "Ulozeni do souboru"
xs_await_control "$layout" edit "Nazev souboru:" 1
xs_click_control "$layout" edit "Nazev souboru:"
xdotool key ctrl+a BackSpace
xdotool type --delay 30 "run-output/drawn-by-mouse"
xs_click_control "$layout" button "Uloz do vektoru PVF"
xs_await 10 grep -q "^SYSTEM: Export do vektoroveho formatu PVF probehl uspesne" "$work/console.txt"
xdotool mousemove 300 300 key Escape a
xs_wait_for_exit 10
blocks=$(grep -cE '^(LINE|CIRCLE|ELIPSE|SPLINE)_' run-output/drawn-by-mouse.pvf)
echo "docs/drawn-by-mouse.png; run-output/drawn-by-mouse.pvf holds $blocks objects"
rm -rf "$work"
