#!/usr/bin/env bash
# The code style and the fault-finding checks:
#   tools/style.sh format   every C++ file as .clang-format lays it out
#   tools/style.sh tidy     .clang-tidy's checks on the program's sources,
#                           with the compile commands of build/
set -euo pipefail
cd "$(dirname "$0")/.."
sources() { git ls-files '*.cpp' '*.h' 2>/dev/null || find . -name '*.cpp' -o -name '*.h' | grep -v '^./build'; }
case "${1:-}" in
format)
    sources | xargs clang-format --dry-run --Werror
    echo "format: every file as .clang-format lays it out"
    ;;
tidy)
    # The program's own sources; tests, fuzz targets and benchmarks build
    # on them.
    files=$(sources | grep -E '\.cpp$' | grep -E '^(accessories|app|companion|desktop|environment|output|pictures|platform|settings|stage)/')
    echo "$files" | xargs -P2 -n4 clang-tidy -p build --quiet 2>/dev/null
    echo "tidy: no findings"
    ;;
*)
    echo "usage: tools/style.sh format|tidy" >&2
    exit 2
    ;;
esac
