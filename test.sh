#!/usr/bin/env bash
# Builds everything and runs every test headless; fails when any test fails:
#   1. the suite, built with warnings as errors, the layer check among it;
#   2. the same suite under AddressSanitizer, UndefinedBehaviorSanitizer and
#      the standard library's assertions (the "asan" preset);
#   3. each fuzz target for 30 seconds on its seed corpus (tools/fuzz.sh).
#
#   ./test.sh               all three
#   ./test.sh --quick [..]  the suite alone; further arguments go to ctest
set -euo pipefail
source "$(dirname "$0")/tools/setup.sh"
quick=false
if [ "${1:-}" = "--quick" ]; then
    quick=true
    shift
fi
vorzo_install_missing_packages
vorzo_build
cd "$VORZO_ROOT"
ctest --preset default "$@"
$quick && exit 0

echo "== the suite under the sanitizers"
[ -f build-asan/CMakeCache.txt ] || cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

echo "== the fuzz targets"
tools/fuzz.sh 30
