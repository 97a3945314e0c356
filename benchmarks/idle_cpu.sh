#!/usr/bin/env bash
# The program's processor use while it sits idle on the 時計 page: the clock
# ticks ten times a second and redraws its time once a second. Runs the built
# program under Xvfb, shows the 時計 page, lets it settle, then reads the
# process's user and system time from /proc/<pid>/stat over a span (60 s
# unless given) and prints the share of one core.
#
#   benchmarks/idle_cpu.sh [seconds]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
span=${1:-60}
export QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1024x768x24" bash -s "$root" "$span" <<'SCRIPT'
set -euo pipefail
root=$1 span=$2
cd "$root/build/dist"
./VorzoDazorad & pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

for _ in $(seq 100); do
    main=$(xdotool search --onlyvisible --pid "$pid" --name '^ぼるぞクリエイター$' 2>/dev/null | head -n1 || true)
    [ -n "$main" ] && break
    sleep 0.1
done
[ -n "$main" ] || { echo "the main window did not show" >&2; exit 1; }
xdotool windowfocus --sync "$main"
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + 231)) $((Y + 557)) click 1   # the 時計 tab
xdotool mousemove $((X + 600)) $((Y + 480))            # then leave the pointer on the page
sleep 5

# Fields 14 and 15 of /proc/<pid>/stat (after the command name in brackets).
cpu_ticks() { sed 's/^.*) //' "/proc/$pid/stat" | awk '{ print $12 + $13 }'; }
hz=$(getconf CLK_TCK)
before=$(cpu_ticks)
start=$(date +%s.%N)
sleep "$span"
after=$(cpu_ticks)
end=$(date +%s.%N)
awk -v t=$((after - before)) -v hz="$hz" -v s="$start" -v e="$end" 'BEGIN {
    printf "idle on the 時計 page: %.2f %% of one core (%d ticks of 1/%d s in %.1f s)\n", 100 * t / hz / (e - s), t, hz, e - s
}'
SCRIPT
