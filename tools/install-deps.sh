#!/usr/bin/env bash
# Installs, from Debian packages only, whatever the build, the program and the tests need.
# Idempotent: packages already present are not touched and apt is not called at all.
set -euo pipefail

packages=(
  g++ cmake make pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  libgl-dev libglu1-mesa-dev freeglut3-dev libimgui-dev libosmesa6-dev
  xvfb xauth libgl1-mesa-dri xdotool imagemagick x11-utils
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
