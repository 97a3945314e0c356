#!/usr/bin/env bash
# The built program in a real X server: it starts and shows its main window,
# F7 refreshes the page, Alt+F4 asks the close question, Enter answers はい and
# the program ends by itself.
set -euo pipefail
exe=$(readlink -f "$1")
# A real window, whatever the test runner asks of the other tests.
export QT_QPA_PLATFORM=xcb

helpers=$(cd "$(dirname "$0")/../../tools" && pwd)/xwindow.sh
xvfb-run -a -s "-screen 0 1024x768x24" bash -s "$exe" "$helpers" <<'SCRIPT'
set -euo pipefail
exe=$1
source "$2"
cd "$(dirname "$exe")"
"$exe" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

main=$(find_window "ぼるぞクリエイター") || { echo "FAIL: the main window did not show"; exit 1; }
xdotool windowfocus --sync "$main"
xdotool key F7
sleep 0.5
xdotool key alt+F4
question=$(find_window "警告") || { echo "FAIL: closing did not ask"; exit 1; }
kill -0 $pid || { echo "FAIL: the program ended before the question was answered"; exit 1; }
xdotool windowfocus --sync "$question"
xdotool key Return
for _ in $(seq 100); do
    if ! kill -0 $pid 2>/dev/null; then
        wait $pid && status=0 || status=$?
        trap - EXIT
        [ "$status" -eq 0 ] || { echo "FAIL: exit status $status"; exit 1; }
        echo "the program started, refreshed, asked and ended"
        exit 0
    fi
    sleep 0.1
done
echo "FAIL: はい did not end the program"
exit 1
SCRIPT
