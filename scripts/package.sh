#!/usr/bin/env bash
# Builds the Debian package of the analyser into build-package/ (or $PACKAGE_BUILD_DIR) with Debian's
# hardening flags, and prints the .deb's path. Only the program and its installed files are built.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PACKAGE_BUILD_DIR:-$root/build-package}
"$root/scripts/install-deps.sh" dpkg-dev >&2
# The packaged program is stripped, so it is built without debug information.
export DEB_CXXFLAGS_MAINT_STRIP=-g
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
# Debian's flags choose the optimisation (-O2), as for any Debian package. Installing must not build
# the tests and benchmarks first: the targets below are all it needs.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
  -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON -DSTROOP_BUILD_BENCH=OFF >&2
cmake --build "$build" -j "$(nproc)" --target stroop-analyser stroop-install-files >&2
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB >&2)
ls "$build"/*.deb
