#!/usr/bin/env bash
# Starts the real analyser under a virtual X server with a record and checks what appears on the screen:
# the main window, filling the screen's 1280 x 800 working area, and an error box only for a bad record.
# Then the chart images drawn through the X server's platform must equal the headless export's. Under
# openbox, from a program folder and with a record both named in CP1251: the record loads, Ctrl+S and
# Enter save the report into the program's own Results folder, the window can be maximised and the error
# box cannot. Without a display the window exits 1 with one line.
# Usage: window-smoke.sh EXECUTABLE GOOD_RECORD BAD_RECORD
set -euo pipefail
for tool in xvfb-run xwininfo xprop xdotool openbox; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

# The X server keeps running between clients: by default it resets when its last client leaves, and a
# program connecting during that reset (as an xwininfo poll ends) is refused.
xserver="-screen 0 1280x800x24 -noreset"

# Starts $1 with record $2 and prints "name WxH" for every top-level window of ours once the main window
# has shown and the record had time to load.
our_windows() {
  xvfb-run -a -s "$xserver" bash -c '
    env -u QT_QPA_PLATFORM "$1" "$2" >/dev/null 2>"$3" & pid=$!
    for _ in $(seq 1 100); do
      xwininfo -root -tree | grep -qF "\"ЗИРТ - Тест Струпа\"" && break
      sleep 0.1
    done
    sleep 1
    xwininfo -root -tree | grep -F "(\"stroop-analyser\"" |
      sed -E "s/^ *0x[0-9a-f]+ \"(.*)\": \(.* ([0-9]+x[0-9]+)\+.*/\1 \2/"
    kill $pid
  ' _ "$1" "$2" "$3" || true
}

exe=$1 good=$2 bad=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
windows=$(our_windows "$exe" "$good" "$out/stderr")
[ "$windows" = "ЗИРТ - Тест Струпа 1280x800" ] ||
  { echo "with $good: ${windows:-no window}; the program said: $(cat "$out/stderr")"; exit 1; }
windows=$(our_windows "$exe" "$bad" "$out/stderr")
grep -q "^ZIRT.DazuzoZa " <<<"$windows" ||
  { echo "no error box for $bad: ${windows:-no window}; the program said: $(cat "$out/stderr")"; exit 1; }
env -u QT_QPA_PLATFORM "$exe" --export "$out/headless" "$good" 2>/dev/null
xvfb-run -a -s "$xserver" env QT_QPA_PLATFORM=xcb "$exe" --export "$out/x11" "$good" 2>/dev/null
for gif in "$out"/headless/*.gif; do
  cmp -s "$gif" "$out/x11/$(basename "$gif")" || { echo "differs under X: $(basename "$gif")"; exit 1; }
done

# No display: status 1 and one line, no abort.
status=0
message=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$exe" "$good" 2>&1) || status=$?
[ "$status" = 1 ] && [ "$(wc -l <<<"$message")" = 1 ] ||
  { echo "without a display: status $status, message: $message"; exit 1; }

# A program folder and a record named in CP1251 ("Программа", "Иванов.txt").
program="$out/$(printf '\xCF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE0')"
record="$out/$(printf '\xC8\xE2\xE0\xED\xEE\xE2.txt')"
mkdir -p "$program"
cp "$exe" "$program/"
cp "$good" "$record"
cp "$bad" "$out/bad.txt"
report=$(xvfb-run -a -s "$xserver" bash -c '
  wait_for() { for _ in $(seq 1 100); do xdotool search --name "$1" && return; sleep 0.1; done; }
  openbox >/dev/null 2>&1 &
  sleep 1
  env -u QT_QPA_PLATFORM "$1/stroop-analyser" "$2" >/dev/null 2>&1 & pid=$!
  main=$(wait_for "ЗИРТ - Тест Струпа" | head -1)
  sleep 2
  echo "main: $(xprop -id "$main" _NET_WM_ALLOWED_ACTIONS)"
  xdotool key --window "$main" ctrl+s
  sleep 2
  xdotool key Return
  for _ in $(seq 1 50); do [ -e "$1/Results" ] && break; sleep 0.1; done
  sleep 0.5
  kill $pid
  env -u QT_QPA_PLATFORM "$1/stroop-analyser" "$3" >/dev/null 2>&1 & pid=$!
  box=$(wait_for "ZIRT.DazuzoZa" | tail -1)
  sleep 1
  echo "error box: $(xprop -id "$box" _NET_WM_ALLOWED_ACTIONS)"
  kill $pid
' _ "$program" "$record" "$out/bad.txt" 2>/dev/null) || true
[ -f "$program/Results/0507 Stroop.txt" ] ||
  { echo "no report in the CP1251 program folder's Results: $(ls -R "$out")"; exit 1; }
grep -q "^main: .*_NET_WM_ACTION_MAXIMIZE_VERT" <<<"$report" || { echo "$report"; exit 1; }
grep "^error box: " <<<"$report" | grep -qv "MAXIMIZE\|RESIZE" || { echo "$report"; exit 1; }
echo "main window 1280x800 with the record; error box for the bad one; charts the same under X;"
echo "one line without a display; CP1251 folder and record under openbox; maximisable window, fixed box"
