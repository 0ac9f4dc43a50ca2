#!/usr/bin/env bash
# Drawing with the mouse alone, as a new user would: a line from the menu in two clicks, at
# pixel size 1 and 2; a circle in one click, dragged by its centre; Enter and Ctrl+End in the
# rows; F12 twice; the end screen from the menu.
. "$(dirname "$0")/lib.sh"
e2e_begin "$1"
out="$E2E_WORK/console.txt"
xs_start_app "$E2E_BINARY" "$out" || { echo "FAIL: the program did not start"; exit 1; }
xdotool mousemove 300 300 click 1

red_in() { xs_screenshot "$E2E_WORK/shot.png" && xs_count_color "$E2E_WORK/shot.png" "$1" 255 0 0; }
red_at_least() { [ "$(red_in "$1")" -ge "$2" ]; }

xs_menu_choose 100 100 0 0  # "Rasterizace usecky" > "Bresenhamuv celociselny interpolator"
xdotool mousemove 100 500 click 1 mousemove 200 450 click 1
check "two clicks make a timed line" xs_await 10 xs_rows_are "$out" "-> Usecka Bresenham algoritmus : T"
# The line's 101 pixels, less the few under the end point markers.
check "the line is drawn with pixel size 1" xs_await 10 red_at_least 100x60+100+445 90
xdotool key plus
check "pixel size 2 doubles its pixels" xs_await 10 red_at_least 100x60+100+445 180

xs_menu_choose 100 100 1 0  # "Rasterizace kruznice" > "Bresenhamuv celociselny interpolator"
xdotool mousemove 300 300 click 1
check "one click makes a circle" xs_await 10 xs_rows_are "$out" \
    "-> Kruznice Bresenham algorit. : T\n   Usecka Bresenham algoritmus : T"
xdotool mousemove 300 300 mousedown 1 mousemove 320 310 mousemove 350 320 mouseup 1
# Its top pixel, (350, 272 + 50) in the view, is the window's row 591 - 322.
check "its top follows the dragged centre" xs_await 10 red_at_least 1x1+350+269 1
check_eq "nothing above it, and its old top is gone" "0 0" "$(red_in 3x2+349+266) $(red_in 6x4+297+248)"

xdotool key Return
check "Enter makes the line active" xs_await 10 xs_rows_are "$out" \
    "   Kruznice Bresenham algorit. : T\n-> Usecka Bresenham algoritmus : T"
xdotool key ctrl+End
check "Ctrl+End deletes it" xs_await 10 xs_rows_are "$out" "-> Kruznice Bresenham algorit. : T"
grid_lines() { [ "$(grep '^SYSTEM: Rastrova' "$out" | tr '\n' ' ')" = "$1" ]; }
xdotool key F12 F12
check "F12 twice switches the grid on and off" xs_await 10 grid_lines \
    "SYSTEM: Rastrova mrizka ON SYSTEM: Rastrova mrizka OFF "

# The end image stands in the middle of the view.
view_is_grey() { xs_screenshot "$E2E_WORK/end.png" && [ "$(xs_pixel "$E2E_WORK/end.png" 200 296)" = "128 128 128" ]; }
xs_menu_choose 100 100 9  # "Konec aplikace (ESC)"
check "the menu shows the end screen" xs_await 10 eval '! view_is_grey'
xdotool mousemove 300 150 key n
check "N returns to the scene" xs_await 10 view_is_grey
xdotool key Escape a
xs_wait_for_exit 20
check_eq "Escape and A end the program with status 0" 0 "$XS_EXIT_STATUS"
e2e_end
