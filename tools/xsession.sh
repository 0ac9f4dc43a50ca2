# Shared by run.sh and the end-to-end tests: a private virtual display, the program on it,
# and ways to look at what it shows. Source it; every process it starts is ended by its id.

XS_XVFB_PID=""
XS_APP_PID=""

xs_log() { printf '%s\n' "$*" >&2; }

# Starts Xvfb on a free display number and exports DISPLAY once the server is ready.
xs_start_display() {
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 7 -screen 0 1024x768x24 -nolisten tcp 7>"$fifo" >/dev/null 2>&1 &
    XS_XVFB_PID=$!
    local number=""
    read -r -t 20 number <"$fifo" || true
    rm -f "$fifo"
    if [ -z "$number" ]; then
        xs_log "Xvfb did not start"
        return 1
    fi
    export DISPLAY=":$number"
}

# Ends what this session started, the program first.
xs_stop() {
    if [ -n "$XS_APP_PID" ] && kill -0 "$XS_APP_PID" 2>/dev/null; then
        kill "$XS_APP_PID" 2>/dev/null
        wait "$XS_APP_PID" 2>/dev/null
    fi
    if [ -n "$XS_XVFB_PID" ] && kill -0 "$XS_XVFB_PID" 2>/dev/null; then
        kill "$XS_XVFB_PID" 2>/dev/null
        wait "$XS_XVFB_PID" 2>/dev/null
    fi
    XS_APP_PID=""
    XS_XVFB_PID=""
}

# xs_start_app BINARY TRANSCRIPT [ARGS...]: starts the program with its console going to
# TRANSCRIPT (standard error to TRANSCRIPT.err) and waits for the speed listing's heading.
xs_start_app() {
    local binary=$1 transcript=$2
    shift 2
    "$binary" "$@" >"$transcript" 2>"$transcript.err" &
    XS_APP_PID=$!
    xs_wait_for_line "$transcript" "Vypis Rasterizacnich rychlosti algoritmu [ms]" 30 || return 1
    xs_wait_for_window "PIXELFORGE" 30
}

# xs_wait_for_line FILE TEXT SECONDS: waits until FILE holds a line equal to TEXT.
xs_wait_for_line() {
    local file=$1 text=$2 seconds=$3 i
    for ((i = 0; i < seconds * 10; i++)); do
        grep -qxF -- "$text" "$file" 2>/dev/null && return 0
        sleep 0.1
    done
    xs_log "timed out waiting for the line: $text"
    return 1
}

xs_wait_for_window() {
    local name=$1 seconds=$2 i
    for ((i = 0; i < seconds * 10; i++)); do
        xdotool search --onlyvisible --name "$name" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    xs_log "timed out waiting for the window $name"
    return 1
}

# xs_wait_for_exit SECONDS: waits for the program to end and sets XS_EXIT_STATUS (empty when
# it is still running). Not for a command substitution: only this shell can wait for it.
XS_EXIT_STATUS=""
xs_wait_for_exit() {
    local seconds=$1 i
    XS_EXIT_STATUS=""
    for ((i = 0; i < seconds * 10; i++)); do
        if ! kill -0 "$XS_APP_PID" 2>/dev/null; then
            XS_EXIT_STATUS=0
            wait "$XS_APP_PID" || XS_EXIT_STATUS=$?
            XS_APP_PID=""
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# xs_frames TRANSCRIPT: how many frames the program has drawn so far (one line end each).
xs_frames() { grep -c '' "$1"; }

# xs_wait_frames TRANSCRIPT N: waits until N more lines have been written, so that a frame
# drawn after the last input is on screen.
xs_wait_frames() {
    local file=$1 more=$2 start i
    start=$(xs_frames "$file")
    for ((i = 0; i < 100; i++)); do
        [ "$(xs_frames "$file")" -ge $((start + more)) ] && return 0
        sleep 0.1
    done
    return 1
}

# xs_await SECONDS COMMAND...: runs COMMAND every fifth of a second until it succeeds; false
# when it never did. Screens change some frames after the input that changes them.
xs_await() {
    local seconds=$1 i
    shift
    for ((i = 0; i < seconds * 5; i++)); do
        "$@" && return 0
        sleep 0.2
    done
    return 1
}

# xs_screenshot FILE: the main window's 800 by 592 pixels (it stands at 0, 0).
xs_screenshot() { import -window root -crop 800x592+0+0 +repage "$1"; }

# xs_pixel FILE X Y: "r g b" of one pixel, 0 to 255.
xs_pixel() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r+0.5)] %[fx:int(255*p{$2,$3}.g+0.5)] %[fx:int(255*p{$2,$3}.b+0.5)]" info:
}

# xs_count_color FILE GEOMETRY R G B: pixels of exactly that colour inside GEOMETRY (WxH+X+Y).
xs_count_color() {
    convert "$1" -crop "$2" +repage -fill black +opaque "rgb($3,$4,$5)" -fill white \
        -opaque "rgb($3,$4,$5)" -format "%[fx:int(mean*w*h+0.5)]" info:
}

# xs_click_control LAYOUT TYPE LABEL: clicks the panel control of that type and label, as the
# program's layout file (PIXELFORGE_LAYOUT_FILE) places it: a field right of its label, past
# a spinner's arrows, anything else in its middle. False when the control is not listed.
xs_click_control() {
    local layout=$1 type=$2 label=$3 x y w h at
    read -r x y w h _ < <(awk -F'\t' -v t="$type" -v l="$label" '$5 == t && $7 == l' "$layout")
    [ -n "${x:-}" ] || { xs_log "no $type \"$label\" in $layout"; return 1; }
    case $type in edit | spinner | listbox) at=$((x + w - 60)) ;; *) at=$((x + w / 2)) ;; esac
    xdotool mousemove "$at" $((y + (h < 22 ? h : 22) / 2)) click 1
}

# xs_await_control LAYOUT TYPE LABEL ENABLED: waits until the layout file lists the control.
xs_await_control() {
    xs_await 10 awk -F'\t' -v t="$2" -v l="$3" -v e="$4" \
        '$5 == t && $7 == l && $6 == e { found = 1 } END { exit !found }' "$1"
}

# xs_open LAYOUT TYPE LABEL: waits until the control is listed enabled, then clicks it.
xs_open() { xs_await_control "$1" "$2" "$3" 1 && xs_click_control "$1" "$2" "$3"; }

# xs_save_as LAYOUT NAME BUTTON: types NAME into "Nazev souboru:" and presses BUTTON.
xs_save_as() {
    xs_open "$1" edit "Nazev souboru:" || return 1
    xdotool key ctrl+a BackSpace
    xdotool type --delay 30 "$2"
    xs_click_control "$1" button "$3"
}

# xs_titled TITLE: true while a window has exactly this title.
xs_titled() { xdotool search --name "^$1\$" >/dev/null; }

# The ids of the pop-up menu windows that are shown now.
xs_menu_ids() { xdotool search --onlyvisible --name '^freeglut menu$' 2>/dev/null | sort; }

# xs_menu_new KNOWN: waits for a menu window whose id is not in KNOWN and prints
# "id x y width" of it.
xs_menu_new() {
    local known=$1 id i
    for ((i = 0; i < 50; i++)); do
        for id in $(xs_menu_ids); do
            [[ " $known " == *" $id "* ]] && continue
            eval "$(xdotool getwindowgeometry --shell "$id")"
            echo "$id $X $Y $WIDTH"
            return 0
        done
        sleep 0.1
    done
    xs_log "no new pop-up menu"
    return 1
}

# xs_menu_choose X Y ENTRY...: opens the right-button menu at X, Y and walks it: each ENTRY is
# the index of an entry (from 0) in the menu that the one before opened; the last is clicked.
# Each menu shows its entries 25 pixels high below a border of 2.
xs_menu_choose() {
    local x=$1 y=$2 known="" id mx my width
    shift 2
    xdotool mousemove "$x" "$y" click 3
    for entry in "$@"; do
        read -r id mx my width < <(xs_menu_new "$known") || return 1
        known="$known $id"
        xdotool mousemove $((mx + width / 2)) $((my + 2 + 25 * entry + 12))
        sleep 0.3
    done
    xdotool click 1
}

# xs_last_rows TRANSCRIPT: the speed rows of the last frame listed, each time shown as T.
xs_last_rows() {
    grep -v '^SYSTEM: ' "$1" | awk 'BEGIN { RS = "" } { last = $0 } END { print last }' |
        sed -E 's/(: )-?[0-9][0-9.e+-]*/\1T/'
}

# xs_rows_are TRANSCRIPT TEXT: the last frame's rows read TEXT (printf escapes allowed).
xs_rows_are() { [ "$(xs_last_rows "$1")" = "$(printf -- "$2")" ]; }
