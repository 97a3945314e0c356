#!/usr/bin/env bash
# Makes the sample stage resources/sample/sample.kwt and sample.kwp with the
# editor itself: starts the built program under Xvfb, and for every 10 x 10
# view of the stage moves the view with the move buttons, picks each palette
# entry the view needs and paints its cells with clicks and drags, then saves
# with "名前を付けてマップと詳細設定を保存" (the settings are the defaults).
# Finally checks, through vorzo-stage's page, that every cell is as drawn
# below (one map letter a cell, "." empty; 30 rows of 180 columns).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=xcb
art=$(cat <<'ART'
....................................................................................................................................................................................
....................................................................................................................................................................................
....................................................................................................................................................................................
...............................................12.......................................................................................12..........................................
......12....................................................................................12......................................................................................
......................................................................12......................................................................................12....................
.........................12...........................................................................................12............................................................
....................................................................................................................................................................................
....................................................................................................................................................................................
....................................................................................................................................................................................
....................................................................................................................................................................................
....................................................................................................................................................................................
....................................................................................................................................................................................
....................................................................................................................................................................................
....................................................................................................................................................................................
....................................................................................................................................................................................
......................................................................................................................N.............................................................
....................................................................................................................................................................................
.........................................................................................................m..........................................................................
........................................................................................................................................................................hhhhhhhhhhh.
..............y.........................................q...........kkkk................................................................................................h.........h.
...................................................................cccccc......................kkk......................................................................h.........h.
........................................lll.........................................................aaaiaaaiaaa.........................................................h.........h.
........kkkk...........................................................................................................................kkkk...............bllll.........h.........h.
............aaiaa......................b...b.........aaiiaa..........................................................dddd.....................K..........bb.............h.........h.
......................................bb...bb...................................................L....................d..d...............................bbb.............h....8....h.
.................................u...bbb...bbb..............u........................................................d..d...........v.............v....bbbb.............h.........h.
..A..3...........3..B......E..3..u..bbbb...bbbb...F.3.......u..G..3........O....B...55..3...............3...E...F....d..d...B..3G...v.............v...bbbbb.......O..3..h..99999..h.
gggggggggggggggggggggggggggggggggggggggg...gggggggggggggggggggggggggggggggggggggggggggggggggggg...ggggggggggggggggggggggggggggggggggggggggggg...gggggggggggggggggggggggggggggggggggg
gggggggggggggggggggggggggggggggggggggggg...gggggggggggggggggggggggggggggggggggggggggggggggggggg...ggggggggggggggggggggggggggggggggggggggggggg...gggggggggggggggggggggggggggggggggggg
ART
)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '%s\n' "$art" > "$work/art.txt"

# What to do, view by view: "V column row" moves the view, "P list item"
# picks a palette entry, "R from to row" paints a run of cells of the view.
awk '
function entry(ch,   i) {
    i = index("ABCDEFGHIJKLMNOPQRSTUVWXYZ", ch); if (i) return "433 " (i - 1)
    i = index("abcdefghijklmnopqrstuvwxyz", ch); if (i) return "547 " (i - 1)
    i = index("123456789+-*/", ch); return "657 " (i - 1)
}
{ rows[NR - 1] = $0 }
END {
    for (r0 = 0; r0 < 30; r0 += 10) for (c0 = 0; c0 < 180; c0 += 10) {
        print "V", c0, r0
        delete seen
        for (i = 0; i < 10; i++) for (j = 0; j < 10; j++) {
            ch = substr(rows[r0 + i], c0 + j + 1, 1)
            if (ch == "." || (ch in seen)) continue
            seen[ch] = 1
            print "P", entry(ch)
            for (y = 0; y < 10; y++) for (x = 0; x < 10; x++) {
                if (substr(rows[r0 + y], c0 + x + 1, 1) != ch) continue
                end = x
                while (end + 1 < 10 && substr(rows[r0 + y], c0 + end + 2, 1) == ch) end++
                print "R", x, end, y
                x = end
            }
        }
    }
}' "$work/art.txt" > "$work/steps"

xvfb-run -a -s "-noreset -screen 0 1024x768x24" bash -s "$root" "$work" <<'SCRIPT'
set -euo pipefail
root=$1 work=$2
source "$root/tools/xwindow.sh"
cd "$root/build/dist"
./VorzoDazorad & pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
main=$(find_window "ぼるぞクリエイター")
xdotool windowfocus --sync "$main"
eval "$(xdotool getwindowgeometry --shell "$main")"
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; sleep 0.05; }
cell() { echo $((X + 50 + 32 * $1)) $((Y + 68 + 32 * $2)); }
column=0
while read -r what a b c; do
    case $what in
    V)  if [ "$a" -eq 0 ]; then
            click 146 465                                  # (0,0)へ移動
            for _ in $(seq 1 $((b / 10))); do click 146 529; done   # ↓に10
            column=0
        fi
        while [ "$column" -lt "$a" ]; do click 262 465; column=$((column + 10)); done  # →に10
        ;;
    P)  click "$a" $((64 + 12 * b)) ;;
    R)  xdotool mousemove $(cell "$a" "$c") mousedown 1 mousemove_relative 2 0
        for x in $(seq "$a" "$b"); do xdotool mousemove $(cell "$x" "$c"); sleep 0.03; done
        xdotool mouseup 1; sleep 0.05 ;;
    esac
done < "$work/steps"

# システム → 名前を付けてマップと詳細設定を保存
xdotool key alt+s; sleep 0.4; xdotool key s
dialog=$(find_window "マップを保存する.*")
xdotool windowfocus --sync "$dialog"; sleep 0.3
xdotool type --delay 20 "$work/sample.kwt"; xdotool key Return; sleep 1
xdotool windowfocus --sync "$main"
xdotool key alt+F4
question=$(find_window "警告")
xdotool windowfocus --sync "$question"; xdotool key Return
wait $pid
trap - EXIT
SCRIPT

# Every cell as drawn: the page's map letters, segment by segment.
"$root/build/dist/vorzo-stage" page "$work/sample.kwt" \
    | awk -F'"' '/^<PARAM NAME="map/ { split($2, name, "[p-]"); row[name[3]] = row[name[3]] $4 }
                 END { for (r = 0; r < 30; r++) print row[r] }' > "$work/painted.txt"
if ! cmp -s "$work/art.txt" "$work/painted.txt"; then
    diff "$work/art.txt" "$work/painted.txt" | head -n 20
    echo "FAIL: the saved stage differs from the drawing" >&2
    exit 1
fi
cp "$work/sample.kwt" "$work/sample.kwp" "$root/resources/sample/"
echo "resources/sample/sample.kwt and sample.kwp made with the editor"
