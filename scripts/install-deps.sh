#!/usr/bin/env bash
# Installs the Debian packages the analyser needs to build, run and test, skipping those present.
# libgif-dev and libcgif-dev are peers for the GIF tests and benchmark only; the analyser links neither.
set -euo pipefail
packages=(cmake ninja-build g++ clang-format zlib1g-dev qt6-base-dev qt6-svg-dev libgl-dev libxkbcommon-dev libgtest-dev
          libgmock-dev libbenchmark-dev libgif-dev libcgif-dev fonts-liberation poppler-utils xvfb xauth x11-utils
          clang-14 libclang-rt-14-dev qt6-translations-l10n openbox xdotool "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
