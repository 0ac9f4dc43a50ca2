#!/usr/bin/env bash
# Draws every 2D example scene as the window shows it after the start image, with no display,
# to docs/examples/NAME.png for the gallery in examples/README.md.
#   tools/shoot_examples.sh [path/to/pixelforge]    (default build/pixelforge)
set -euo pipefail
cd "$(dirname "$0")/.."
binary=${1:-build/pixelforge}
mkdir -p docs/examples
for scene in examples/*.pvf; do
    name=$(basename "$scene" .pvf)
    [ "$name" = surfaces ] && continue  # the 3D patches need the 3D mode
    "$binary" --render "$scene" "docs/examples/$name.png"
    echo "docs/examples/$name.png"
done
