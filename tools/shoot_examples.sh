#!/usr/bin/env bash
# Opens every 2D example scene on a private virtual display and saves what the window shows
# to docs/examples/NAME.png, for the gallery in examples/README.md.
#   tools/shoot_examples.sh [path/to/pixelforge]    (default build/pixelforge)
set -euo pipefail
cd "$(dirname "$0")/.."
binary=${1:-build/pixelforge}
. tools/xsession.sh
trap xs_stop EXIT
xs_start_display
mkdir -p docs/examples
work=$(mktemp -d)
for scene in examples/*.pvf; do
    name=$(basename "$scene" .pvf)
    [ "$name" = surfaces ] && continue  # the 3D patches need the 3D mode
    xs_start_app "$binary" "$work/$name.txt" "$scene"
    xdotool mousemove 300 300 click 1
    # The scene is up once its first block of rows has been listed and drawn.
    xs_await 10 grep -qE '^(-> |   )[A-Z]' "$work/$name.txt"
    sleep 0.5
    xs_screenshot "docs/examples/$name.png"
    xdotool key Escape a
    xs_wait_for_exit 10
    echo "docs/examples/$name.png"
done
rm -rf "$work"
