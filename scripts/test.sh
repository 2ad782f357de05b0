#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite; then the fuzz targets (seed
# corpora replayed, then FUZZ_SECONDS of fuzzing each, 60 by default), and last the same suite built with
# AddressSanitizer and UndefinedBehaviorSanitizer, so the run ends with its summary. Any failure or
# sanitizer report fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
(cd "${BUILD_DIR:-$root/build}" && ctest --output-on-failure -j "$(nproc)" --timeout 300)
"$root/scripts/fuzz.sh" "${FUZZ_SECONDS:-60}"
"$root/scripts/sanitize.sh"
