#!/usr/bin/env bash
# Installs what is missing, builds and starts PIXELFORGE from the repository root.
# Usage: ./run.sh [scene.pvf]
set -euo pipefail
caller_dir=$(pwd)
cd "$(dirname "$0")"
root=$(pwd)

# A scene named relative to where the command was typed still opens from the repository root.
if [ $# -ge 1 ] && [ ! -e "$1" ] && [ -e "$caller_dir/$1" ]; then
    set -- "$caller_dir/$1" "${@:2}"
fi

tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target pixelforge >/dev/null

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    exec ./build/pixelforge "$@"
fi

echo "No X display here: PIXELFORGE runs on a virtual display; screenshots and the console go to run-output/."
. tools/xsession.sh
out="$root/run-output"
mkdir -p "$out"
trap xs_stop EXIT
xs_start_display
xs_start_app ./build/pixelforge "$out/console.txt" "$@"
xs_wait_frames "$out/console.txt" 30  # the start image has waved a little
xs_screenshot "$out/1-start-image.png"
xdotool mousemove 400 300 click 1
sleep 1  # a frame or two; nothing here to wait for that every scene shows
xs_screenshot "$out/2-scene.png"
xdotool key Escape
sleep 0.5
xs_screenshot "$out/3-end-image.png"
xdotool key a
xs_wait_for_exit 20
echo "PIXELFORGE ended with status ${XS_EXIT_STATUS:-unknown}. Console transcript: run-output/console.txt"
echo "Screenshots: run-output/1-start-image.png, 2-scene.png, 3-end-image.png"
