#!/usr/bin/env bash
# Builds everything and runs every test headless; fails when any test fails:
#   1. the code style (.clang-format), then the suite, built with warnings
#      as errors, the layer check among it;
#   2. clang-tidy's checks (.clang-tidy) on the program's sources;
#   3. the same suite under AddressSanitizer, UndefinedBehaviorSanitizer and
#      the standard library's assertions (the "asan" preset);
#   4. the real windows of that build under random use, seed 1 and 3,000
#      events (tools/random-use.sh);
#   5. each fuzz target for 30 seconds on its seed corpus (tools/fuzz.sh).
#
#   ./test.sh               all five
#   ./test.sh --quick [..]  the style and the suite alone; further arguments
#                           go to ctest
set -euo pipefail
source "$(dirname "$0")/tools/setup.sh"
quick=false
if [ "${1:-}" = "--quick" ]; then
    quick=true
    shift
fi
vorzo_install_missing_packages
cd "$VORZO_ROOT"
tools/style.sh format
vorzo_build
ctest --preset default "$@"
$quick && exit 0

echo "== clang-tidy"
tools/style.sh tidy

echo "== the suite under the sanitizers"
[ -f build-asan/CMakeCache.txt ] || cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

echo "== random use of the real windows under the sanitizers"
tools/random-use.sh 1 3000

echo "== the fuzz targets"
tools/fuzz.sh 30
