#!/usr/bin/env bash
# Fails when an include crosses the layers: each folder may include only the folders listed
# for it (the same order as the libraries in CMakeLists.txt), and only files whose names begin
# with "Gl" may include GL, GLU, GLUT or ImGui headers.
# Usage: tools/check_layers.sh [project root]
set -uo pipefail
cd "${1:-$(dirname "$0")/..}" || exit 2

declare -A allowed=(
    [model]="model"
    [raster2d]="model raster2d"
    [io]="model io"
    [surfaces]="model io surfaces"
    [input]="model input"
    [ui]="model input ui"
    [app]="model raster2d io surfaces input ui app"
)

status=0
complain() { echo "$1:$2: $3"; status=1; }

while IFS= read -r file; do
    folder=${file%%/*}
    base=$(basename "$file")
    while IFS=: read -r line text; do
        target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]+)[>"].*/\1/' <<<"$text")
        if [[ $target =~ ^(GL/|imgui|backends/|OSMesa|GL\.h) ]] && [[ $base != Gl* ]]; then
            complain "$file" "$line" "<$target> belongs in a Gl* file"
        fi
        [[ $text =~ \" ]] || continue
        layer=${target%%/*}
        [[ -n ${allowed[$folder]:-} && -n ${allowed[$layer]:-} ]] || continue
        if [[ " ${allowed[$folder]} " != *" $layer "* ]]; then
            complain "$file" "$line" "$folder/ may not include $target"
        fi
    done < <(grep -n -E '^[[:space:]]*#[[:space:]]*include' "$file")
done < <(git ls-files -co --exclude-standard | grep -E '\.(c|cc|cpp|h|hpp)$' | grep -v -E '^build')

[ $status -eq 0 ] && echo "layers: every include stays in its layer"
exit $status
