#!/usr/bin/env bash
# Takes the README's pictures of the built program under Xvfb into docs/.
# Needs imagemagick (import) besides the test packages.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-noreset -screen 0 1024x768x24" bash -s "$root" <<'SCRIPT'
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

# Paint a scene as a person would: pick palette entries, click and drag.
xdotool mousemove $((X + 40)) $((Y + 557)) click 1   # back to メイン編集
sleep 0.3
pick() { # list x, item
    xdotool mousemove $((X + $1)) $((Y + 64 + 12 * $2)) click 1
}
cell() { # column, row of the view
    echo $((X + 50 + 32 * $1)) $((Y + 68 + 32 * $2))
}
place() { xdotool mousemove $(cell "$1" "$2") click 1; }
drag() { # from column, to column, row
    xdotool mousemove $(cell "$1" "$3") mousedown 1 mousemove_relative 2 0
    for c in $(seq "$1" "$2"); do xdotool mousemove $(cell "$c" "$3"); sleep 0.05; done
    xdotool mouseup 1
}
pick 547 6;  drag 0 9 9; drag 0 3 8          # 土: the ground and a step
pick 547 0;  drag 5 7 5                       # レンガ
pick 547 8;  place 4 5                        # 黄色のブロック
pick 547 10; drag 5 7 4                       # コイン
pick 657 0;  place 1 1; pick 657 1; place 2 1 # 雲
pick 657 2;  place 8 8                        # 草
pick 433 0;  place 1 7                        # 自分
pick 433 1;  place 5 8                        # 亀
pick 433 4;  place 7 8                        # ピカチー
pick 547 20; place 9 7; place 9 8             # リンク土管１
pick 547 25; place 9 3                        # すべる床
xdotool mousemove $((X + 560)) $((Y + 30)); sleep 0.4
import -window "$wid" "$root/docs/painted-scene.png"

# The text editor with a Shift-JIS page open, after F3, the find dialog open.
mkdir -p /tmp/stages
iconv -f UTF-8 -t CP932 <<'PAGE' | sed 's/$/\r/' > /tmp/stages/stage1-1.htm
<html>
<head>
<title>ぼるぞステージ 1-1</title>
</head>
<body>
<p>ステージの説明：ジャンプで足場を渡ってゴールを目指します。</p>
<applet code="Game.class" width="512" height="320">
<param name="map0-0" value="............................................................">
<param name="map0-1" value="..........................aaaa..............................">
<param name="map0-2" value="......A.............aaaa.........B........aaaa..............">
<param name="stage_time" value="300">
<param name="player_speed" value="4">
</applet>
</body>
</html>
PAGE
editor_focus() {
    for _ in $(seq 50); do
        editor=$(xdotool search --onlyvisible --name '^テキストエディタ$' 2>/dev/null | head -n1 || true)
        [ -n "$editor" ] && break
        sleep 0.1
    done
    xdotool windowfocus --sync "$editor"; sleep 0.3
}
xdotool windowfocus --sync "$wid"
xdotool key alt+t; sleep 0.4; xdotool key t; sleep 0.8
editor_focus
xdotool key alt+f; sleep 0.4; xdotool key o; sleep 1.2
xdotool type --delay 20 /tmp/stages/stage1-1.htm; xdotool key Return; sleep 0.8
editor_focus
xdotool key alt+s; sleep 0.4; xdotool key s; sleep 0.8
xdotool type --delay 30 PARAM; xdotool key Return; sleep 0.4
editor_focus
xdotool key F3; sleep 0.4
xdotool key alt+s; sleep 0.4; xdotool key s; sleep 0.8
xdotool mousemove 1023 767; sleep 0.4
eval "$(xdotool getwindowgeometry --shell "$editor" | sed 's/^/EDITOR_/')"
import -window root -crop "${EDITOR_WIDTH}x${EDITOR_HEIGHT}+${EDITOR_X}+${EDITOR_Y}" +repage "$root/docs/text-editor.png"
rm -r /tmp/stages
xdotool key Escape; sleep 0.3
editor_focus
xdotool key alt+f; sleep 0.4; xdotool key x; sleep 0.4
xdotool windowfocus --sync "$wid"

# The image window with the built-in picture, then with a metafile loaded
# through its picture dialog (the WMF seed of the picture fuzz target, less
# its first byte, which chooses the kind there).
tail -c +2 "$root/fuzz/corpus/fuzz_picture/placeable-wmf" > /tmp/picture.wmf
xdotool windowfocus --sync "$wid"
xdotool key alt+i; sleep 0.4; xdotool key c; sleep 0.8
image=$(xdotool search --onlyvisible --name '^画像$' | head -n1)
import -window "$image" "$root/docs/image-window.png"
xdotool windowfocus --sync "$image"
eval "$(xdotool getwindowgeometry --shell "$image" | sed 's/^/IMAGE_/')"
xdotool mousemove $((IMAGE_X + 390)) $((IMAGE_Y + 100)) click 1; sleep 1.0
xdotool type --delay 20 /tmp/picture.wmf; xdotool key Return; sleep 0.8
import -window "$image" "$root/docs/image-window-metafile.png"
rm /tmp/picture.wmf
xdotool key Escape; sleep 0.4
xdotool windowfocus --sync "$wid"

# The environment dialog, both pages.
xdotool key alt+e; sleep 0.4; xdotool key p; sleep 0.4; xdotool key f; sleep 0.8
environment=$(xdotool search --onlyvisible --name '^環境設定$' | head -n1)
import -window "$environment" "$root/docs/environment-folders.png"
xdotool windowfocus --sync "$environment"
xdotool key ctrl+Tab; sleep 0.5
import -window "$environment" "$root/docs/environment-editor.png"
xdotool key Escape; sleep 0.4
xdotool windowfocus --sync "$wid"

# The detailed settings window, a few rows down.
xdotool key F10; sleep 0.8
settings=$(xdotool search --onlyvisible --name '^詳細設定$' | head -n1)
xdotool windowfocus --sync "$settings"
xdotool key Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down
sleep 0.4
import -window "$settings" "$root/docs/settings-window.png"
xdotool key Escape

SCRIPT
