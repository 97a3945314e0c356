#!/usr/bin/env bash
# The program as `cmake --install` puts it on a desktop, in a prefix of its
# own: the layout, the desktop entry and metainfo as the desktop's own
# validators see them, the stage file type, the companion run through bin/
# from another folder, and the launcher under Xvfb: it opens a stage named
# relative to the folder it was started in (the page then saved over the
# project equals the companion's) and shows the Open command's error for a
# missing one. For the user who owns the installed folder, that folder is
# the program folder, with Projects/ made a link into the documents folder;
# the uninstall target then removes everything but what the user made.
#
#   installed.sh <build folder>
set -euo pipefail
build=$(readlink -f "$1")
helpers=$(cd "$(dirname "$0")/../../tools" && pwd)/xwindow.sh
id=jp.example.soyokaze.VorzoDazorad
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
chmod 755 "$root"
prefix=$root/prefix
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >"$root/install.log" 2>&1 || { cat "$root/install.log"; fail "cmake --install"; }
folder=lib/vorzodazorad
for file in "$folder/VorzoDazorad" "$folder/vorzo-stage" "$folder/vorzo-stage-render" "$folder/Setting.cfg" \
    "$folder/zuzodovi.bmp" "$folder/sample/sample.kwt" "$folder/sample/sample.kwp" "$folder/TestPlay/README.txt" \
    bin/vorzodazorad bin/vorzo-stage "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
    "share/mime/packages/$id.xml" share/thumbnailers/vorzodazorad.thumbnailer \
    share/bash-completion/completions/vorzo-stage share/icons/hicolor/scalable/apps/vorzodazorad.svg; do
    [ -e "$prefix/$file" ] || fail "$file is not installed"
done
# A PNG's width x height, from its header.
png_size() {
    [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || { echo "no PNG"; return; }
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 "x" $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }'
}
for side in 16 22 24 32 48 64 128 256; do
    [ "$(png_size "$prefix/share/icons/hicolor/${side}x${side}/apps/vorzodazorad.png")" = "${side}x${side}" ] \
        || fail "no $side x $side icon"
done
[ -x "$prefix/bin/vorzodazorad" ] || fail "the launcher cannot be run"
[ "$(readlink "$prefix/bin/vorzo-stage")" = "../$folder/vorzo-stage" ] || fail "bin/vorzo-stage is not the program folder's"

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
grep -qx "Exec=$prefix/bin/vorzodazorad %f" "$prefix/share/applications/$id.desktop" \
    || fail "the entry does not run the installed launcher"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
grep -qx 'application/x-vorzo-stage:\*\.kwt' "$prefix/share/mime/globs" || fail "*.kwt is not a known file type"
grep -qx "application/x-vorzo-stage=$id.desktop;" "$prefix/share/applications/mimeinfo.cache" \
    || fail "the entry does not open stage files"

# The companion, through bin/, from a folder of the user's.
home=$root/home
mkdir -p "$home/stages"
cp "$prefix/$folder/sample/sample.kwt" "$prefix/$folder/sample/sample.kwp" "$home/stages/"
cd "$home"
export HOME=$home
"$prefix/bin/vorzo-stage" check stages/sample.kwt || fail "the sample stage does not pass its check"
"$prefix/bin/vorzo-stage" render stages/sample.kwt -o sample.png || fail "render"
[ "$(png_size sample.png)" = 5760x960 ] || fail "render wrote $(png_size sample.png)"
"$prefix/bin/vorzo-stage" page stages/sample.kwt -o expected.htm || fail "page"

export QT_QPA_PLATFORM=xcb
# -noreset: between one program's end and the next one's start the server
# would reset, and refuse the next connection while it does.
xvfb-run -a -s "-ac -noreset -screen 0 1024x768x24" bash -s "$prefix" "$helpers" <<'SCRIPT'
set -euo pipefail
prefix=$1
source "$2"
fail() { echo "FAIL: $*"; exit 1; }
close() { # the main window's pid: Alt+F4, はい, and the program ends
    xdotool key alt+F4
    question=$(find_window "警告") || fail "closing did not ask"
    xdotool windowfocus --sync "$question"
    xdotool key Return
    wait "$1" || fail "the program ended with $?"
}

# A stage named relative to this folder: opened at start, under its name.
"$prefix/bin/vorzodazorad" stages/sample.kwt & pid=$!
main=$(find_window "ぼるぞクリエイター") || fail "the main window did not show"
sleep 0.5
if xdotool search --onlyvisible --name '^VorzoDazorad$' >/dev/null 2>&1; then fail "opening the stage showed an error"; fi
xdotool windowfocus --sync "$main"
xdotool key F7; sleep 0.5
xdotool key alt+s; sleep 0.4; xdotool key a; sleep 0.8   # マップと詳細設定とHTMLを上書き保存
[ -f stages/sample.htm ] || fail "the stage given at start did not become the project"
close $pid

# A missing stage: the Open command's error box, and the editor stays.
"$prefix/bin/vorzodazorad" none.kwt & pid=$!
error=$(find_window "VorzoDazorad") || fail "a missing stage showed no error"
xdotool windowfocus --sync "$error"; xdotool key Return; sleep 0.3
kill -0 $pid || fail "the editor ended after the error"
main=$(find_window "ぼるぞクリエイター")
xdotool windowfocus --sync "$main"
close $pid
SCRIPT
cmp stages/sample.htm expected.htm || fail "the editor's page of the sample differs from vorzo-stage page"

# The installed folder's owner (root owns no folder of their own: nobody
# then stands in) starts in it; the first start links Projects/ to the
# documents folder ($HOME where none is named) and copies the sample there.
owner=(env)
owner_home=$home
if [ "$(id -u)" -eq 0 ]; then
    owner_home=$root/owner
    mkdir "$owner_home"
    chown -R nobody "$prefix" "$owner_home"
    owner=(runuser -u nobody -- env)
fi
"${owner[@]}" HOME="$owner_home" "$prefix/bin/vorzodazorad" --version >/dev/null || fail "the launcher failed for the folder's owner"
[ "$(readlink "$prefix/$folder/Projects")" = "$owner_home/VorzoDazorad" ] || fail "Projects/ is not a link into the documents folder"
cmp "$owner_home/VorzoDazorad/sample.kwt" "$prefix/$folder/sample/sample.kwt" || fail "the sample was not copied"
[ ! -e "$owner_home/.local/share/vorzodazorad" ] || fail "the folder's owner got a program folder elsewhere"

# Uninstalled, the prefix holds what the user made and the folders it lies in.
echo "[Toroku]" >"$prefix/$folder/dazorad.ini"
cmake --build "$build" --target uninstall >"$root/uninstall.log" 2>&1 || { cat "$root/uninstall.log"; fail "uninstall"; }
left=$(cd "$prefix" && find . | sort | tr '\n' ' ')
[ "$left" = ". ./lib ./lib/vorzodazorad ./lib/vorzodazorad/dazorad.ini " ] || fail "uninstall left $left"
[ -f "$owner_home/VorzoDazorad/sample.kwt" ] || fail "uninstall removed a stage"
echo "installed: layout, validators, file type, companion, launcher and uninstall as expected"
