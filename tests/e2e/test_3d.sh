#!/usr/bin/env bash
# The 3D mode as a new user meets it: the switch from the menu, a patch of each kind from its
# submenu, a control point picked with a click (the nearer sphere wins) and moved with an
# arrow key, solid rendering and a texture from the panel, and the way back to an intact 2D
# scene.
. "$(dirname "$0")/lib.sh"
e2e_begin "$1"
out="$E2E_WORK/console.txt"
layout="$E2E_WORK/layout.txt"
export PIXELFORGE_LAYOUT_FILE="$layout"

xs_start_app "$E2E_BINARY" "$out" examples/lines.pvf || { echo "FAIL: no start"; exit 1; }
xdotool mousemove 300 300 click 1
xs_await 10 eval '[ -n "$(xs_last_rows "$out")" ]'
rows2D=$(xs_last_rows "$out")

xs_menu_choose 100 100 7  # "Prepnout do modu 3D PIXELFORGE"
check "the window is retitled" xs_await 10 xs_titled "3D PIXELFORGE"
check "the 3D panel is shown" xs_await_control "$layout" rollout "Nastaveni renderingu" 1
check "the view panel is shown" xs_await_control "$layout" button "Z-X" 1

xs_menu_choose 100 100 0 0  # "Bezierova bikubicka plocha" > "Cervena"
xs_menu_choose 100 100 1 1  # "Bezierova racionalni bikubicka plocha" > "Zelena"
xs_menu_choose 100 100 2 2  # "Coonsova bikubicka plocha" > "Modra"
xs_menu_choose 100 100 3 5  # "Fergusonova bikubicka plocha" > "Seda"
check "each patch lists its time, the new one active" xs_await 10 xs_rows_are "$out" \
    "-> Fergusonova plocha\t: T\nCoonsova plocha\t: T\nBezierova rac plocha\t: T\nBezierova plocha\t: T"

# Turned by -90 degrees about y, the net's rows stand behind each other: the column of z = 15
# shows at x = -15 (view pixel 103 of 550), and of its four spheres the one of x = 15, point
# 12, is the nearest.
xdotool mousemove 300 300 key 2
sleep 1
xdotool mousemove 103 226 click 1
sleep 1
xdotool key Up

xs_click_control "$layout" rollout "Hlavni nabidka"
xs_open "$layout" rollout "Ulozeni do souboru"
xs_save_as "$layout" "$E2E_WORK/scene" "Uloz do vektoru PVF"
check "the scene is saved" xs_await 10 test -s "$E2E_WORK/scene.pvf"
point12() { awk '/^SURFACE_FERGUSON_BICUBIC$/ { n = 0; inside = 1; next }
    inside { n++ } inside && n == 14 { print; exit }' "$E2E_WORK/scene.pvf"; }
check_eq "the nearest sphere was picked and moved up" "15 1 15" "$(point12)"
xs_click_control "$layout" rollout "Hlavni nabidka"  # closed again, to make room

# From above (key 3) the patches lie flat; solid rendering fills what the wireframe leaves.
grey() { xs_count_color "$1" 550x452+0+0 128 128 128; }
xdotool mousemove 300 300 key 3
sleep 1
xs_screenshot "$E2E_WORK/wire.png"
xs_click_control "$layout" rollout "Souradnice aktivniho bodu"  # closed, to make room
xs_open "$layout" rollout "Nastaveni renderingu"
xs_open "$layout" checkbox "Plasticka mapa"
solid() { xs_screenshot "$E2E_WORK/solid.png" && [ "$(grey "$E2E_WORK/solid.png")" -lt $(($(grey "$E2E_WORK/wire.png") - 20000)) ]; }
check "solid patches cover the view" xs_await 10 solid

# Near the window's foot the list of textury.cfg's five textures opens above its field;
# "Textura_0", its second item, stands 81 pixels above the field's top.
read -r lx ly lw _ < <(awk -F'\t' '$5 == "listbox" && $7 == "Textura:"' "$layout")
xdotool mousemove $((lx + lw - 60)) $((ly + 10)) click 1
sleep 0.5
xdotool mousemove $((lx + lw - 60)) $((ly - 81)) click 1
# Seen from above, the flat patches fill this square of the view.
colours() { convert "$1" -crop 200x170+103+141 +repage -unique-colors -format %w info:; }
changed() { xs_screenshot "$E2E_WORK/texture.png" &&
    [ "$(colours "$E2E_WORK/texture.png")" -gt $(($(colours "$E2E_WORK/solid.png") + 20)) ]; }
check "a texture changes the patches" xs_await 10 changed

xs_click_control "$layout" rollout "Hlavni nabidka"
xs_open "$layout" button "2D Pixelforge"
check "the window is 2D again" xs_await 10 xs_titled "2D PIXELFORGE"
check_eq "the 2D scene is intact" "$rows2D" "$(sleep 1; xs_last_rows "$out")"
e2e_end
