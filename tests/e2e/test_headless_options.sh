#!/usr/bin/env bash
# The command line without an X display: every wrong form says its one line, ends with its
# status and writes nothing; pictures and timings come out as asked.
. "$(dirname "$0")/lib.sh"
binary=$1
cd "$E2E_ROOT" || exit 1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pics="$work/pics"
mkdir "$pics"
run() { env -u DISPLAY "$binary" "$@" >"$work/out" 2>"$work/err"; }

# arguments (PICS stands for an empty folder) | status | how standard error begins
while IFS='|' read -r args status first; do
    # shellcheck disable=SC2086  # the arguments are split on purpose
    run ${args//PICS/$pics}
    check_eq "$args: status" "$status" "$?"
    line="pixelforge: ${first//PICS/$pics}"
    check_eq "$args: the problem" "$line" "$(head -n 1 "$work/err" | cut -c1-${#line})"
    usage=$([ "$status" = 2 ] && echo "usage: pixelforge")
    check_eq "$args: the usage after it" "$usage" "$(sed -n 2p "$work/err" | cut -c1-17)"
    check_eq "$args: nothing written" "" "$(ls "$pics")"
done <<'EOF'
--frobnicate|2|unknown option --frobnicate
--render examples/lines.pvf|2|--render needs SCENE and OUT
--render examples/lines.pvf PICS/a.png --size|2|--size needs WxH
--render examples/lines.pvf --grid PICS/a.png|2|--render needs SCENE and OUT
--render examples/lines.pvf PICS/a.png --size 0x0|2|--size takes WxH with each side from 16 to 4096, not 0x0
--render examples/lines.pvf PICS/a.png --size 100000x100000|2|--size takes WxH with each side
--render examples/lines.pvf PICS/a.png --pixel-size 11|2|--pixel-size takes a whole number from 1 to 10, not 11
--render examples/lines.pvf PICS/a.png --segments 0|2|--segments takes a whole number from 1 to 200
--render examples/lines.pvf PICS/a.jpg|2|--render cannot tell a picture format from
--render examples/lines.pvf PICS/a.png --repeat 3|2|--repeat goes only with --bench
--bench examples/lines.pvf --grid|2|--grid goes only with --render
--bench examples/lines.pvf --bench examples/lines.pvf|2|--bench is one task too many
--repeat 5|2|nothing to do
--render examples/lines.pvf PICS/a.png stray|2|unexpected argument stray
--render examples/no-such-scene.pvf PICS/a.png|1|cannot read the scene examples/no-such-scene.pvf
--render examples/lines.pvf PICS/no-such-folder/a.png|1|cannot write PICS/no-such-folder/a.png
EOF

# Each format by its extension; a size is taken down to multiples of 16 as the window does.
run --render examples/lines.pvf "$pics/a.bmp" --size 400x300 --pixel-size 3 --segments 50
check_eq "a BMP of 400 by 288" "BMP3 400x288" "$(identify -format '%m %wx%h' "$pics/a.bmp")"
run --render examples/lines.pvf "$pics/a.TGA" --grid
check_eq "a TGA of the start size" "TGA 800x592" "$(identify -format '%m %wx%h' "$pics/a.TGA")"

# One CSV row per drawn object of the scene, each with its pixels counted.
drawn=$(grep -cE '^(LINE_BRESENHAM|LINE_DDA|LINE_ENHANCED_DDA)$' examples/lines.pvf)
run --bench examples/lines.pvf --repeat 3 --csv
check_eq "a header and a row per drawn object" "$((drawn + 1))" "$(wc -l <"$work/out")"
check_eq "every row has its twelve fields and pixels" "$drawn" \
    "$(awk -F, 'NR > 1 && NF == 12 && $3 > 0' "$work/out" | wc -l)"
check "the clock line names the repeat count" grep -q "3 timed runs per figure" "$work/err"
run --bench examples/lines.pvf --repeat 1
check_eq "the table: two heading lines, the rows, the clock line" "$((drawn + 3))" \
    "$(grep -c '' "$work/out")"
check "the table ends with the clock line" grep -q "^clock: " <(tail -n 1 "$work/out")
run --version
check_eq "--version" "pixelforge 1.0" "$(cat "$work/out")"
e2e_end
