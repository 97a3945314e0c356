#!/usr/bin/env bash
# Takes the README's pictures of the built program under Xvfb into docs/.
# Needs imagemagick (import) besides the test packages.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1024x768x24" bash -s "$root" <<'SCRIPT'
set -euo pipefail
root=$1
cd "$root/build/dist"
./VorzoDazorad & pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    wid=$(xdotool search --onlyvisible --name '^ぼるぞクリエイター$' 2>/dev/null | head -n1 || true)
    [ -n "$wid" ] && break
    sleep 0.1
done
xdotool windowfocus --sync "$wid"
eval "$(xdotool getwindowgeometry --shell "$wid")"
xdotool mousemove $((X + 560)) $((Y + 200)); sleep 0.4
import -window "$wid" "$root/docs/main-window.png"
xdotool key F7; sleep 0.4
xdotool mousemove $((X + 150)) $((Y + 300)); sleep 0.4
import -window "$wid" "$root/docs/html-tab.png"
SCRIPT
