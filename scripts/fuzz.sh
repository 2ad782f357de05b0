#!/usr/bin/env bash
# Builds the libFuzzer targets (clang 14, with ASan and UBSan, in the build scripts/sanitized-build.sh
# makes), replays each seed corpus, then fuzzes each target for the given seconds (default 60).
# A longer local run: scripts/fuzz.sh 3600. One target only: FUZZ_TARGETS=fuzz_gif scripts/fuzz.sh 600.
# Any crash, sanitizer report, leak or hang (an input running over 10 s) fails the run; the input that did
# it is kept in build-sanitize/artifacts/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SANITIZE_BUILD_DIR:-$root/build-sanitize}
seconds=${1:-60}
targets=(${FUZZ_TARGETS:-fuzz_record fuzz_numbers fuzz_gif fuzz_chart fuzz_png})
"$root/scripts/sanitized-build.sh" "${targets[@]}"
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
mkdir -p "$build/artifacts"
options=(-timeout=10 -rss_limit_mb=2048 -artifact_prefix="$build/artifacts/")
summary=()
for target in "${targets[@]}"; do
  seeds=$root/fuzz/corpus/$target
  work=$build/corpus/$target
  mkdir -p "$work"
  echo "== $target: replaying $(ls "$seeds" | wc -l) seed inputs"
  "$build/fuzz/$target" "${options[@]}" -runs=0 "$seeds" 2>&1 | tail -n 2
  echo "== $target: fuzzing for $seconds s"
  log=$build/$target.log
  # New inputs go into the working corpus in the build tree; the committed seeds stay as they are.
  if ! "$build/fuzz/$target" "${options[@]}" -max_total_time="$seconds" -print_final_stats=1 \
       "$work" "$seeds" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "FAILED: $target (input kept in $build/artifacts/)"
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  refused=$(sed -n 's/^stat::refused_inputs: *//p' "$log")
  line="$target: $runs executions in $seconds s ($speed/s), corpus $(ls "$work" | wc -l) inputs"
  [ -z "$refused" ] || line+=", $refused inputs refused with a message"
  summary+=("$line")
done
printf '%s\n' "${summary[@]}"
