#!/usr/bin/env bash
# Times the real executable from process start until its main window is mapped on a virtual X server
# (five runs; the X server is started once, before the first run, and never resets between clients).
# Usage: window-start.sh [EXECUTABLE]   (default: build/app/stroop-analyser)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
exe=$(realpath "${1:-$root/build/app/stroop-analyser}")
xvfb-run -a -s "-screen 0 1280x800x24 -noreset" bash -c '
  sleep 0.5
  for run in 1 2 3 4 5; do
    start=$(date +%s%N)
    env -u QT_QPA_PLATFORM "$1" >/dev/null 2>&1 & pid=$!
    until xwininfo -root -tree 2>/dev/null | grep -qF "\"ЗИРТ - Тест Струпа\": (\"stroop-analyser\""; do
      sleep 0.005
    done
    echo "start to window mapped: $(( ($(date +%s%N) - start) / 1000000 )) ms (target 300 ms)"
    kill $pid
    wait $pid 2>/dev/null || true
  done
' _ "$exe"
