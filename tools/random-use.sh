#!/usr/bin/env bash
# Random but reproducible use of the real program, built with the sanitizers,
# in an X server of its own: clicks, drags, the wheel, keys, typed Japanese
# text and a changing clipboard (tests/realwindow/RandomUse.cpp). The program
# runs as a user without privileges in a throw-away program folder, with a
# logger in place of the browser; fails on a crash, a sanitizer report, a
# hang, or a file written outside that folder.
#
#   tools/random-use.sh                   seed 1, 3,000 events (what ./test.sh runs)
#   tools/random-use.sh SEED EVENTS       e.g. tools/random-use.sh 7 20000
#   VORZO_BUILD=build tools/random-use.sh  the same with another build folder
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seed=${1:-1}
events=${2:-3000}
cd "$root"
build=${VORZO_BUILD:-build-asan}
[ -f build-asan/CMakeCache.txt ] || [ "$build" != build-asan ] || cmake --preset asan >/dev/null
cmake --build "$build" -j2 --target VorzoDazorad vorzo-random-use dist_files

folder=$(mktemp -d /tmp/vorzo-random-use.XXXXXX)
keep=false
cleanup() {
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
    $keep || rm -rf "$folder"
}
trap cleanup EXIT

# The program folder as the package lays it out, and a home and temporary
# folder inside it: every dialog starts there and every write stays there.
program=$folder/program
mkdir -p "$program" "$folder/home" "$folder/tmp" "$folder/bin"
chmod 700 "$folder/tmp"
cp -a "$build/dist/." "$program/"
cat >"$folder/bin/xdg-open" <<EOF
#!/bin/sh
echo "\$*" >>"$program/browser.log"
EOF
chmod +x "$folder/bin/xdg-open"
picture=$(ls docs/*.png 2>/dev/null | head -n1 || true)
[ -n "$picture" ] && cp "$picture" "$folder/picture.png"
touch "$folder/started"

# An X server without a window manager, as the other window tests use.
exec 3< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
xvfb=$!
read -r -t 30 display <&3 || { echo "FAIL: the X server did not start"; exit 1; }

as_user=()
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody:nogroup "$folder"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
status=0
"${as_user[@]}" env -i PATH="$folder/bin:/usr/bin:/bin" DISPLAY=":$display" HOME="$folder/home" \
    TMPDIR="$folder/tmp" XDG_RUNTIME_DIR="$folder/tmp" LANG=C.UTF-8 QT_QPA_PLATFORM=xcb \
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 LSAN_OPTIONS="suppressions=$root/tools/lsan.supp" \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    QT_MESSAGE_PATTERN='%{type}: %{message}%{if-warning} [%{backtrace depth=16 separator=" <- "}]%{endif}' \
    "$build/tests/vorzo-random-use" --program "$program/VorzoDazorad" --seed "$seed" --events "$events" \
    --log "$folder/program.log" ${picture:+--picture "$folder/picture.png"} || status=$?

# Whatever the unprivileged user wrote outside the throw-away folder.
if [ "$(id -u)" -eq 0 ]; then
    outside=$(find / -xdev \( -path /proc -o -path /sys -o -path "$folder" \) -prune -o \
        -user nobody -newer "$folder/started" -print 2>/dev/null | head -n 20)
    if [ -n "$outside" ]; then
        echo "FAIL: files written outside the program's folder:"
        echo "$outside"
        status=1
    fi
fi
if [ "$status" -ne 0 ]; then
    keep=true
    echo "the program's output: $folder/program.log (last lines below)"
    tail -n 30 "$folder/program.log" || true
    exit 1
fi
