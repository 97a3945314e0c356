#!/usr/bin/env bash
# Builds the libFuzzer targets (the "fuzz" preset) and runs each for a while
# on its seed corpus from fuzz/corpus/<target>/; fails on any crash, broken
# property or sanitizer report.
#
#   tools/fuzz.sh            every target, 30 s each (what CI runs)
#   tools/fuzz.sh 3600       every target, an hour each
#   tools/fuzz.sh 600 fuzz_profile
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
shift || true
cd "$root"
[ -f build-fuzz/CMakeCache.txt ] || cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for t in build-fuzz/fuzz/fuzz_*; do [ -f "$t" ] && [ -x "$t" ] && targets+=("$(basename "$t")"); done
fi
work=build-fuzz/runs
for target in "${targets[@]}"; do
    corpus=$work/$target/corpus
    mkdir -p "$corpus" "$work/$target/artifacts"
    seeds=()
    [ -d "fuzz/corpus/$target" ] && seeds=("fuzz/corpus/$target")
    # Pictures need room: a metafile with a bitmap record, an icon with a
    # PNG, each outgrows libFuzzer's default of 4,096 bytes at once.
    options=()
    [ "$target" = fuzz_picture ] && options=(-max_len=65536)
    echo "== $target, ${seconds} s"
    if ! ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$root/tools/lsan.supp" \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "build-fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 "${options[@]}" \
        -print_final_stats=1 -artifact_prefix="$work/$target/artifacts/" "$corpus" "${seeds[@]}" \
        >"$work/$target/log" 2>&1; then
        tail -n 40 "$work/$target/log"
        echo "FAIL: $target (inputs in $work/$target/artifacts/)"
        exit 1
    fi
    grep -E "^stat::number_of_executed_units|^#[0-9]+ *DONE" "$work/$target/log" | tail -n 1 || true
done
echo "every fuzz target ran clean"
