#!/usr/bin/env bash
# Builds the whole project with AddressSanitizer and UndefinedBehaviorSanitizer (clang 14, the build
# scripts/sanitized-build.sh makes) and runs every test; any sanitizer report fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SANITIZE_BUILD_DIR:-$root/build-sanitize}
"$root/scripts/sanitized-build.sh"
# halt_on_error and exitcode make every report a failing test; leaks are checked at each test's exit.
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=0:exitcode=86:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:exitcode=86
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0:exitcode=86
cd "$build"
ctest --output-on-failure -j "$(nproc)" --timeout 600
