#!/usr/bin/env bash
# The control panel as a new user meets it: rollouts open on a click, a typed file name saves
# the scene and exports both bitmaps, a bigger pixel size shows, and the panel can be hidden.
. "$(dirname "$0")/lib.sh"
e2e_begin "$1"
out="$E2E_WORK/console.txt"
layout="$E2E_WORK/layout.txt"
export PIXELFORGE_LAYOUT_FILE="$layout"

xs_start_app "$E2E_BINARY" "$out" examples/lines.pvf || { echo "FAIL: no start"; exit 1; }
xdotool mousemove 300 300 click 1
check "the panel lists its controls" xs_await_control "$layout" edit "Typ :" 0

xs_click_control "$layout" rollout "Hlavni nabidka"
xs_open "$layout" rollout "Ulozeni do souboru"
check "the save rollout opens" xs_await_control "$layout" button "Uloz do bitmapy TGA" 1

xs_save_as "$layout" "$E2E_WORK/scene" "Uloz do vektoru PVF"
check "the scene is saved" xs_await 10 grep -qx "SYSTEM: Export do vektoroveho formatu PVF probehl uspesne" "$out"
check "the saved file holds the lines" grep -q "^LINE_BRESENHAM$" "$E2E_WORK/scene.pvf"
xs_save_as "$layout" "$E2E_WORK/shot" "Uloz do bitmapy BMP"
check "the BMP is written" xs_await 10 grep -qx "SYSTEM: Export do bitmapy BMP probehl uspesne" "$out"
check_eq "the BMP holds the window" "800x592" "$(identify -format %wx%h "$E2E_WORK/shot.bmp")"
xs_save_as "$layout" "$E2E_WORK/shot" "Uloz do bitmapy TGA"
check "the TGA is written" xs_await 10 grep -qx "SYSTEM: Export do bitmapy Truevision TARGA (TGA) probehl uspesne" "$out"
check_eq "the TGA is 54 bytes less header than the BMP's pixels" \
    "$((18 + 800 * 592 * 3))" "$(stat -c %s "$E2E_WORK/shot.tga")"
check_eq "the exports agree on a scene pixel" "$(xs_pixel "$E2E_WORK/shot.bmp" 100 100)" \
    "$(xs_pixel "$E2E_WORK/shot.tga" 100 100)"

red() { xs_count_color "$1" 540x592+0+0 255 0 0; }
xs_screenshot "$E2E_WORK/small.png"
xs_click_control "$layout" rollout "Hlavni nabidka"  # closed again, to make room
xs_open "$layout" rollout "Nastaveni editoru"
xs_open "$layout" spinner "Velikost pixelu:"
xdotool key ctrl+a BackSpace type 4
xdotool key Return
bigger() { xs_screenshot "$E2E_WORK/big.png" && [ "$(red "$E2E_WORK/big.png")" -gt $((2 * $(red "$E2E_WORK/small.png"))) ]; }
check "pixel size 4 draws bigger pixels" xs_await 10 bigger

xs_click_control "$layout" rollout "Hlavni nabidka"
xs_open "$layout" button "Vypnout panel"
check "the hidden panel leaves the layout empty" xs_await 10 test ! -s "$layout"
hidden() { xs_screenshot "$E2E_WORK/hidden.png" && [ "$(xs_pixel "$E2E_WORK/hidden.png" 780 300)" = "128 128 128" ]; }
check "the view takes the panel's place" xs_await 10 hidden

xdotool mousemove 300 300 key Escape a
xs_wait_for_exit 20
check_eq "the program ends with status 0" 0 "$XS_EXIT_STATUS"
e2e_end
