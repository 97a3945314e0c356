#!/usr/bin/env bash
# Takes the pictures of the accessories under Xvfb into docs/: the 時計 page
# (after an alarm set a few seconds ahead has switched to it), the help window
# and the version window. The program runs with Japanese date and time forms.
# Needs imagemagick (import) besides the test packages.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-noreset -screen 0 1024x768x24" bash -s "$root" <<'SCRIPT'
set -euo pipefail
root=$1
cd "$root/build/dist"
LC_TIME=ja_JP.UTF-8 ./VorzoDazorad & pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

# By the window's own caption (_NET_WM_NAME): the legacy name depends on the
# C library's locales.
find_window() { # caption
    for _ in $(seq 100); do
        for wid in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true); do
            [ "$(xdotool getwindowname "$wid")" = "$1" ] && { echo "$wid"; return 0; }
        done
        sleep 0.1
    done
    echo "no window '$1'" >&2
    return 1
}

main=$(find_window "ぼるぞクリエイター")
xdotool windowfocus --sync "$main"
eval "$(xdotool getwindowgeometry --shell "$main")"
at() { # x, y in the window, then more xdotool commands
    local x=$1 y=$2
    shift 2
    xdotool mousemove $((X + x)) $((Y + y)) "$@"
}

# The alarm, three seconds ahead (hours without a leading zero, as the
# Japanese time form writes them), typed on the 時計 page; then back to the
# first page to wait.
at 231 557 click 1; sleep 0.3
read -r hours minutes seconds < <(date -d '+3 sec' '+%-H %M %S')
for field in "25 $hours" "63 $minutes" "101 $seconds"; do
    set -- $field
    at "$1" 393 click --repeat 2 1
    xdotool key ctrl+a type "$2"
done
at 40 557 click 1
sleep 4
at 600 300
import -window "$main" "$root/docs/clock-tab.png"
at 66 434 click 1   # アラームオフ

xdotool windowfocus --sync "$main"
xdotool key alt+h h
help=$(find_window "ぼるぞクリエイター  ヘルプ")
sleep 0.4
import -window "$help" "$root/docs/help-window.png"
xdotool key Return

xdotool windowfocus --sync "$main"
xdotool key alt+h a
about=$(find_window "バージョン情報")
sleep 0.4
import -window "$about" "$root/docs/version-window.png"
xdotool key Return
SCRIPT
