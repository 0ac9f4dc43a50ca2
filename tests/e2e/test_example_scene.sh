#!/usr/bin/env bash
# A scene file named on the command line: its start-up lines, one listing row per drawable
# object in reverse file order, and the objects on the screen.
. "$(dirname "$0")/lib.sh"
e2e_begin "$1"
scene=examples/everything.pvf
out="$E2E_WORK/console.txt"

declare -A label=(
    [LINE_BRESENHAM]="Usecka Bresenham algoritmus : "
    [LINE_DDA]="Usecka DDA algoritmus       : "
    [LINE_ENHANCED_DDA]="Usecka Two Step algoritmus  : "
    [CIRCLE_BRESENHAM]="Kruznice Bresenham algorit. : "
    [CIRCLE_LINE_ROTATION]="Kruznice Rotace usecek      : "
    [CIRCLE_PARAMETRIC]="Kruznice Parametricky tvar  : "
    [ELIPSE_BRESENHAM]="Elipsa Bresenham algoritmus : "
    [ELIPSE_PARAMETRIC]="Elipsa Parametricky tvar    : "
    [ELIPSE_FREE]="Elipsa Obecna               : "
    [SPLINE_BEZIER_CUBIC_ITERATIVE]="Bezierova kubika iterativne : "
    [SPLINE_BEZIER_CUBIC_RECURSIVE]="Bezierova kubika rekursivne : "
    [SPLINE_FERGUSON_CUBIC]="Fergusonova kubika          : "
    [SPLINE_COONS_CUBIC]="Coonsova kubika             : "
    [SPLINE_CATMULROM_CUBIC]="Catmul-Rom kubika           : "
    [SPLINE_BEZIER]="Bezierova krivka            : "
    [SPLINE_BEZIER_RACIONAL]="Racionalni Bezierova krivka : "
    [SPLINE_COONS]="Coonsova BSpline krivka     : "
    [SPLINE_FERGUSON]="Fergusonova krivka          : "
    [SPLINE_CATMULROM]="Catmul-Rom krivka           : "
    [SPLINE_BSPLINE]="BSpline obecna krivka       : "
    [SPLINE_NURBS]="NURBS                       : "
)

# The rows the first frame must list: the file's 2D blocks, last first, times as T. Only the
# object read last is active; LINE_LINE2STEP is kept but never drawn.
expected_rows() {
    local prefix="-> " keyword
    grep -oE '^[A-Z_0-9]+$' "$scene" | tac | while read -r keyword; do
        [ -n "${label[$keyword]:-}" ] || continue
        case $keyword in
            SPLINE_BSPLINE) printf '%s%sT   U = [ ]\n' "$prefix" "${label[$keyword]}" ;;
            SPLINE_NURBS) printf '%s%sT   U = [ KNOTS ]\n' "$prefix" "${label[$keyword]}" ;;
            *) printf '%s%sT\n' "$prefix" "${label[$keyword]}" ;;
        esac
        prefix="   "
    done
}

export PIXELFORGE_LAYOUT_FILE="$E2E_WORK/layout.txt"
xs_start_app "$E2E_BINARY" "$out" "$scene" || { echo "FAIL: the program did not start"; exit 1; }
check_eq "the command-line lines follow the banner" \
    "SYSTEM: Vstoupil radkovy parametr $scene|SYSTEM: Vektorovy soubor $scene byl uspesne nahran" \
    "$(sed -n '5,6p' "$out" | paste -sd '|')"

# The scene is on screen once the object colour shows beside the controls of the active curve.
scene_shown() {
    xs_screenshot "$E2E_WORK/scene.png" &&
        [ "$(xs_count_color "$E2E_WORK/scene.png" 800x592+0+0 255 0 0)" -ge 3000 ] &&
        [ "$(xs_count_color "$E2E_WORK/scene.png" 800x592+0+0 0 0 255)" -ge 40 ]
}
xdotool mousemove 300 300 click 1
# The whole view once the panel is out of the way.
xs_open "$E2E_WORK/layout.txt" rollout "Hlavni nabidka"
xs_open "$E2E_WORK/layout.txt" button "Vypnout panel"
xs_await 10 scene_shown
xdotool key Escape a  # the keys arrive in order: A answers the end screen

xs_wait_for_exit 20
check_eq "A ends the program with status 0" 0 "$XS_EXIT_STATUS"

# The first block of rows after the heading, times and knot lists normalised.
awk 'f && NF == 0 && n { exit } f && NF { print; n++ } /^Vypis Rasterizacnich/ { f = 1 }' "$out" |
    sed -E 's/(: )[0-9][0-9.e+-]*/\1T/; s/U = \[ [0-9. ]+\]/U = [ KNOTS ]/' >"$E2E_WORK/rows.txt"
expected_rows >"$E2E_WORK/expected-rows.txt"
check_eq "one row per drawable object" 23 "$(wc -l <"$E2E_WORK/rows.txt" | tr -d ' ')"
check "the rows name the file's objects in reverse order" \
    diff "$E2E_WORK/expected-rows.txt" "$E2E_WORK/rows.txt"
check "the NURBS rows carry their knot vectors" \
    grep -q -- "NURBS                       : [0-9.e+-]*   U = \[ 0 0 0 0.25 0.5 0.5 0.75 1 1 1 \]" "$out"

red=$(xs_count_color "$E2E_WORK/scene.png" 800x592+0+0 255 0 0)
blue=$(xs_count_color "$E2E_WORK/scene.png" 800x592+0+0 0 0 255)
magenta=$(xs_count_color "$E2E_WORK/scene.png" 800x592+0+0 255 0 255)
check "the objects are drawn in the object colour ($red red pixels)" [ "$red" -ge 3000 ]
check "the active curve shows its control points ($blue blue pixels)" [ "$blue" -ge 40 ]
check "the active curve shows its control polygon ($magenta magenta pixels)" [ "$magenta" -ge 40 ]
cp "$E2E_WORK/scene.png" "$E2E_ROOT/build/e2e-scene.png" 2>/dev/null
e2e_end
