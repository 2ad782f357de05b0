#!/usr/bin/env bash
# Starts the real analyser under a virtual X server with a record and checks what appears on the screen:
# the main window, filling the screen's 1280 x 800 working area, and an error box only for a bad record.
# Then the chart images drawn through the X server's platform must equal the headless export's.
# Usage: window-smoke.sh EXECUTABLE GOOD_RECORD BAD_RECORD
set -euo pipefail
for tool in xvfb-run xwininfo; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

# Starts $1 with record $2 and prints "name WxH" for every top-level window of ours once the main window
# has shown and the record had time to load.
our_windows() {
  xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    env -u QT_QPA_PLATFORM "$1" "$2" >/dev/null 2>&1 & pid=$!
    for _ in $(seq 1 100); do
      xwininfo -root -tree | grep -qF "\"ЗИРТ - Тест Струпа\"" && break
      sleep 0.1
    done
    sleep 1
    xwininfo -root -tree | grep -F "(\"stroop-analyser\"" |
      sed -E "s/^ *0x[0-9a-f]+ \"(.*)\": \(.* ([0-9]+x[0-9]+)\+.*/\1 \2/"
    kill $pid
  ' _ "$1" "$2" || true
}

exe=$1 good=$2 bad=$3
windows=$(our_windows "$exe" "$good")
[ "$windows" = "ЗИРТ - Тест Струпа 1280x800" ] || { echo "with $good: ${windows:-no window}"; exit 1; }
windows=$(our_windows "$exe" "$bad")
grep -q "^ZIRT.DazuzoZa " <<<"$windows" || { echo "no error box for $bad: ${windows:-no window}"; exit 1; }

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
env -u QT_QPA_PLATFORM "$exe" --export "$out/headless" "$good" 2>/dev/null
xvfb-run -a env QT_QPA_PLATFORM=xcb "$exe" --export "$out/x11" "$good" 2>/dev/null
for gif in "$out"/headless/*.gif; do
  cmp -s "$gif" "$out/x11/$(basename "$gif")" || { echo "differs under X: $(basename "$gif")"; exit 1; }
done
echo "main window 1280x800 with the record; error box for the bad one; charts the same under X"
