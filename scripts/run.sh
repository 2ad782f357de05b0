#!/usr/bin/env bash
# Installs what is missing, builds the analyser and runs its main job on the bundled sample records:
# the window with a sample record when a display is present, otherwise a headless export.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  # A desktop is there: open the window with the first sample record loaded.
  records=("$build"/app/Data/*.txt)
  exec "$build/app/stroop-analyser" "${records[0]}"
fi
out=${STROOP_OUT:-$root/out}
mkdir -p "$out"
"$build/app/stroop-analyser" --export "$out" "$build"/app/Data/*.txt
echo "No display: reports and charts of the sample records written to $out"
