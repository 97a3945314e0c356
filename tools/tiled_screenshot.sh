#!/usr/bin/env bash
# Takes docs/tiled-stage.png: the sample stage exported with vorzo-stage and
# opened in the Tiled map editor under Xvfb, at 100 % at the stage's start,
# three coins painted and saved there, the settings among the map's
# properties; then imports the saved map and shows what changed. Needs
# imagemagick (import) besides the test packages. Screen positions are those
# of Tiled 1.8 (Debian 12) at 1280 x 800.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dist=${1:-$root/build/dist}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$dist/Projects/sample.kwt" "$dist/Projects/sample.kwp" "$work/"
"$dist/vorzo-stage" export "$work/sample.kwt" -o "$work/sample.tmx"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/home/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
xvfb-run -a -s "-screen 0 1280x800x24" bash -s "$work" <<'SCRIPT'
set -euo pipefail
work=$1
tiled --disable-opengl "$work/sample.tmx" >/dev/null 2>&1 & pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "sample.tmx" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
sleep 2
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.5; }
xdotool windowsize "$window" 1280 800 windowmove "$window" 0 0
sleep 1
click 252 31               # close the project panel
click 1047 388             # the mini-map
click 630 400
xdotool key ctrl+0         # 100 %
click 1023 250             # the stage's start in the mini-map
click 1218 573             # the coin in the tileset
for x in 830 862 894; do click "$x" 390; done
xdotool key ctrl+s
sleep 1
click 207 10               # Map
click 269 269              # Map Properties...
click 11 143               # fold the map's own properties
xdotool mousemove 640 785
sleep 0.5
import -window root "$work/shot.png"
SCRIPT
convert "$work/shot.png" -strip PNG8:"$root/docs/tiled-stage.png"
"$dist/vorzo-stage" import "$work/sample.tmx" -o "$work/painted.kwt"
"$dist/vorzo-stage" diff "$work/sample.kwt" "$work/painted.kwt" || true
