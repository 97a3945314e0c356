#!/usr/bin/env bash
# vorzo-stage as a whole process, 20 runs each after 3 warm-ups (hyperfine):
# page, render at scale 1 and check of a full stage (every cell placed,
# codes 0-64 in turn, the default settings), and render of the sample stage.
# Prints hyperfine's figures; never passes or fails on them.
#
#   benchmarks/companion.sh        (needs hyperfine: apt-get install hyperfine)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
stage=$root/build/dist/vorzo-stage
command -v hyperfine >/dev/null || { echo "needs hyperfine (apt-get install hyperfine)" >&2; exit 1; }
[ -x "$stage" ] || { echo "build first: cmake --build --preset default" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
awk 'BEGIN { for (i = 0; i < 5400; i++) printf "%c", i % 65 }' > "$work/full.kwt"
cp "$root/build/dist/Projects/sample.kwp" "$work/full.kwp"
[ "$(wc -c < "$work/full.kwt")" -eq 5400 ] || { echo "could not make the full stage" >&2; exit 1; }
cd "$work"
hyperfine --shell=none --runs 20 --warmup 3 \
    --command-name "page, full stage, to a file" "$stage page full.kwt -o page.htm" \
    --command-name "render, full stage, scale 1" "$stage render full.kwt -o full.png" \
    --command-name "render, sample stage, scale 1" "$stage render $root/build/dist/Projects/sample.kwt -o sample.png" \
    --command-name "check, full stage" "$stage check full.kwt"
