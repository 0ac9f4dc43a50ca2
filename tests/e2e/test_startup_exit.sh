#!/usr/bin/env bash
# Start-up, the start image, the 2D scene after a click, the end screen with N and A.
. "$(dirname "$0")/lib.sh"
e2e_begin "$1"
out="$E2E_WORK/console.txt"

xs_start_app "$E2E_BINARY" "$out" || { echo "FAIL: the program did not start"; exit 1; }
xs_wait_frames "$out" 20
xs_screenshot "$E2E_WORK/start.png"
gray_in_logo=$(xs_count_color "$E2E_WORK/start.png" 300x200+100+100 128 128 128)
check "the start image covers the upper left of the window" [ "$gray_in_logo" -lt 30000 ]

# Screens are taken until they show what the input should lead to, or the wait runs out.
pixel_is() { # FILE X Y "R G B"
    xs_screenshot "$1" && [ "$(xs_pixel "$1" "$2" "$3")" = "$4" ]
}
pixel_is_not() {
    xs_screenshot "$1" && [ "$(xs_pixel "$1" "$2" "$3")" != "$4" ]
}

xdotool mousemove 400 300 click 1
xs_await 10 pixel_is "$E2E_WORK/scene.png" 200 200 "128 128 128"
check_eq "after a click the scene is grey" "128 128 128" "$(xs_pixel "$E2E_WORK/scene.png" 400 300)"
check_eq "the logo is gone" 60000 "$(xs_count_color "$E2E_WORK/scene.png" 300x200+100+100 128 128 128)"
red=$(xs_count_color "$E2E_WORK/scene.png" 60x30+5+560 255 0 0)
green=$(xs_count_color "$E2E_WORK/scene.png" 30x60+5+525 0 255 0)
check "the red x axis with its letter is drawn" [ "$red" -ge 60 ]
check "the green y axis with its letter is drawn" [ "$green" -ge 60 ]

# The end image stands in the middle of the view, left of the panel.
xdotool key Escape
xs_await 10 pixel_is_not "$E2E_WORK/end.png" 200 300 "128 128 128"
end_gray=$(xs_count_color "$E2E_WORK/end.png" 150x80+130+255 128 128 128)
check "Escape shows the end image in the middle of the view" [ "$end_gray" -lt 1000 ]

xdotool key n
xs_await 10 pixel_is "$E2E_WORK/back.png" 330 300 "128 128 128"
check_eq "N returns to the scene" 12000 "$(xs_count_color "$E2E_WORK/back.png" 150x80+255+255 128 128 128)"

xdotool key Escape a  # the keys arrive in order: A answers the end screen
xs_wait_for_exit 20
check_eq "A ends the program with status 0" 0 "$XS_EXIT_STATUS"

expected_startup >"$E2E_WORK/expected-start.txt"
lines=$(wc -l <"$E2E_WORK/expected-start.txt")
head -n "$lines" "$out" >"$E2E_WORK/actual-start.txt"
check "start-up console matches byte for byte" cmp -s "$E2E_WORK/expected-start.txt" "$E2E_WORK/actual-start.txt"
tail -n +"$((lines + 1))" "$out" | head -n -1 >"$E2E_WORK/frames.txt"
check_eq "the last line is the exit message" "SYSTEM: Aplikace uspesne skoncila" "$(tail -n 1 "$out")"
check "frames were listed after the heading" [ "$(wc -l <"$E2E_WORK/frames.txt")" -ge 10 ]
check_eq "an empty scene lists only empty lines" "" "$(sort -u "$E2E_WORK/frames.txt")"
check "standard error stays empty" [ ! -s "$out.err" ]
cp "$E2E_WORK/start.png" "$E2E_ROOT/build/e2e-start.png" 2>/dev/null
e2e_end
