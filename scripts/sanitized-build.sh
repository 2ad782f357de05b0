#!/usr/bin/env bash
# Builds with clang 14 under AddressSanitizer and UndefinedBehaviorSanitizer, with libFuzzer's coverage
# instrumentation, into build-sanitize/ (or $SANITIZE_BUILD_DIR): the given targets, or everything.
# The sanitizer test run and the fuzzing share this one build. -O1 and line tables only: sanitizer
# reports still name file and line, and the build takes half as long as with full debug information.
# Usage: sanitized-build.sh [TARGET...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SANITIZE_BUILD_DIR:-$root/build-sanitize}
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS_RELEASE="-O1 -gline-tables-only -DNDEBUG" -DCMAKE_CXX_COMPILER=clang++-14 \
  -DSTROOP_SANITIZE=address,undefined,fuzzer-no-link -DSTROOP_BUILD_FUZZ=ON -DSTROOP_BUILD_BENCH=OFF \
  >/dev/null
cmake --build "$build" -j "$(nproc)" ${1+--target "$@"}
