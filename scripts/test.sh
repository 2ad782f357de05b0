#!/usr/bin/env bash
# Installs what is missing, checks the sources' format, builds everything with warnings as errors and
# runs the whole test suite. The fuzzing and sanitizer stages are scripts/fuzz.sh and
# scripts/sanitize.sh; .ci/run runs all three.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/check-format.sh"
# Optimised as the default build, without the debug information the tests do not need (a quarter of
# the build's time).
"$root/scripts/build.sh" -DSTROOP_WERROR=ON -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG"
cd "${BUILD_DIR:-$root/build}"
ctest --output-on-failure -j "$(nproc)" --timeout 300
