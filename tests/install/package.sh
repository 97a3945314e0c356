#!/usr/bin/env bash
# The Debian package, built from the build folder with CPack: lintian finds
# no error and no warning; unpacked into a folder of its own, its man pages
# render without a warning, the stage type wins over KWord's *.kwt beside
# the shared MIME database, the thumbnailer's command draws the sample, and
# a user of the machine with a new home starts the unpacked launcher under
# Xvfb with a stage: the user's program folder is made (links to the
# installed files, Projects/ a link into the documents folder with the
# sample), the stage opens, "設定を保存する" writes dazorad.ini there, the
# window's class is the entry's StartupWMClass, and a second start replaces
# nothing of the user's.
#
#   package.sh <build folder>
set -euo pipefail
build=$(readlink -f "$1")
helpers=$(cd "$(dirname "$0")/../../tools" && pwd)/xwindow.sh
id=jp.example.soyokaze.VorzoDazorad
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
chmod 755 "$root"
fail() { echo "FAIL: $*"; exit 1; }
png_size() { # a PNG's width x height, from its header
    [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || { echo "no PNG"; return; }
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 "x" $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }'
}

cpack --config "$build/CPackConfig.cmake" -B "$root/cpack" >"$root/cpack.log" 2>&1 || { cat "$root/cpack.log"; fail "cpack"; }
deb=$(ls "$root"/cpack/vorzodazorad_*_*.deb)
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "the dependencies are not those of the binaries"
lintian --fail-on error,warning --no-tag-display-limit "$deb" >"$root/lintian.log" 2>&1 \
    || { cat "$root/lintian.log"; fail "lintian"; }
cat "$root/lintian.log"

unpacked=$root/unpacked
dpkg-deb -x "$deb" "$unpacked"
usr=$unpacked/usr

for page in man1/vorzodazorad.1.gz man1/vorzo-stage.1.gz ja/man1/vorzodazorad.1.gz ja/man1/vorzo-stage.1.gz; do
    [ -f "$usr/share/man/$page" ] || fail "no man page $page"
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$usr/share/man/$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man $page: $warnings"
done

# The file types beside the shared database, which has KWord's *.kwt.
mkdir -p "$root/types/mime/packages" "$root/stages" "$root/empty"
cp /usr/share/mime/packages/freedesktop.org.xml "$usr/share/mime/packages/$id.xml" "$root/types/mime/packages/"
update-mime-database "$root/types/mime" >/dev/null 2>&1
cp "$usr/lib/vorzodazorad/sample/sample.kwt" "$usr/lib/vorzodazorad/sample/sample.kwp" "$root/stages/"
type_of() { XDG_DATA_HOME=$root/empty XDG_DATA_DIRS=$root/types gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'; }
[ "$(type_of "$root/stages/sample.kwt")" = application/x-vorzo-stage ] || fail "sample.kwt is $(type_of "$root/stages/sample.kwt")"
[ "$(type_of "$root/stages/sample.kwp")" = text/x-vorzo-settings ] || fail "sample.kwp is $(type_of "$root/stages/sample.kwp")"
grep -qx 'text/x-vorzo-settings text/plain' "$root/types/mime/subclasses" || fail "the settings are not text"

# The thumbnailer, as a file manager runs it, on a stage without its .kwp;
# an empty stage's thumbnail is not the sample's.
mkdir "$root/thumbs"
cp "$root/stages/sample.kwt" "$root/thumbs/"
head -c 5400 /dev/zero | tr '\0' 'c' >"$root/thumbs/empty.kwt"
exec_line=$(sed -n 's/^Exec=//p' "$usr/share/thumbnailers/vorzodazorad.thumbnailer")
[ "${exec_line%% *}" = /usr/lib/vorzodazorad/vorzo-stage-render ] || fail "the thumbnailer runs $exec_line"
for stage in sample empty; do
    command=${exec_line//%s/128}
    command=${command//%i/$root/thumbs/$stage.kwt}
    command=${command//%o/$root/thumbs/$stage.png}
    timeout 1 $unpacked$command || fail "the thumbnailer failed on $stage.kwt"
    [ "$(png_size "$root/thumbs/$stage.png")" = 128x128 ] || fail "a $(png_size "$root/thumbs/$stage.png") thumbnail"
done
! cmp -s "$root/thumbs/sample.png" "$root/thumbs/empty.png" || fail "the sample's thumbnail shows nothing"

if [ "$(id -u)" -ne 0 ]; then
    echo "package: starting as another user needs root; not tried"
    exit 0
fi
# A user of the machine with a new home, whose documents folder has a
# Japanese name.
home=$root/home
mkdir -p "$home/.config" "$home/stages"
cp "$root/stages/sample.kwt" "$root/stages/sample.kwp" "$home/stages/"
echo 'XDG_DOCUMENTS_DIR="$HOME/書類"' >"$home/.config/user-dirs.dirs"
chown -R nobody "$home"
as_user() { (cd "$home" && runuser -u nobody -- env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" "$@"); }
folder=$home/.local/share/vorzodazorad
stages=$home/書類/VorzoDazorad

export QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-ac -noreset -screen 0 1024x768x24" bash -s "$usr" "$helpers" "$home" <<'SCRIPT'
set -euo pipefail
usr=$1
source "$2"
home=$3
fail() { echo "FAIL: $*"; exit 1; }
(cd "$home" && exec runuser -u nobody -- env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" "$usr/bin/vorzodazorad" stages/sample.kwt) & pid=$!
main=$(find_window "ぼるぞクリエイター") || fail "the main window did not show"
sleep 0.5
if xdotool search --onlyvisible --name '^VorzoDazorad$' >/dev/null 2>&1; then fail "opening the stage showed an error"; fi
class=$(xprop -id "$main" WM_CLASS | sed -n 's/.*= "[^"]*", "\([^"]*\)"$/\1/p')
[ "$class" = "$(sed -n 's/^StartupWMClass=//p' "$usr/share/applications/jp.example.soyokaze.VorzoDazorad.desktop")" ] \
    || fail "the window's class $class is not the entry's"
xdotool windowfocus --sync "$main"
xdotool key F7; sleep 0.5
xdotool key alt+s; sleep 0.4; xdotool key a; sleep 0.8   # マップと詳細設定とHTMLを上書き保存
[ -f "$home/stages/sample.htm" ] || fail "the stage given at start did not become the project"
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + 168)) $((Y + 557)) click 1; sleep 0.3   # 登録
xdotool mousemove $((X + 324)) $((Y + 104)) click 1; sleep 0.5   # 設定を保存する
xdotool key alt+F4
question=$(find_window "警告") || fail "closing did not ask"
xdotool windowfocus --sync "$question"
xdotool key Return
wait "$pid" || fail "the program ended with $?"
SCRIPT

[ "$(readlink "$folder/Setting.cfg")" = "$usr/lib/vorzodazorad/Setting.cfg" ] || fail "Setting.cfg is not the installed one: $(readlink "$folder/Setting.cfg")"
[ "$(readlink -f "$folder/zuzodovi.bmp")" = "$usr/lib/vorzodazorad/zuzodovi.bmp" ] || fail "zuzodovi.bmp is not the installed one"
[ -f "$folder/TestPlay/README.txt" ] || fail "no TestPlay/ in the user's folder"
[ "$(readlink "$folder/Projects")" = "$stages" ] || fail "Projects/ leads to $(readlink "$folder/Projects")"
cmp "$stages/sample.kwt" "$usr/lib/vorzodazorad/sample/sample.kwt" || fail "the sample is not in the documents folder"
grep -q '^No1=' "$folder/dazorad.ini" || fail "設定を保存する wrote no dazorad.ini in the user's folder"
[ "$(stat -c %U "$folder/dazorad.ini")" = nobody ] || fail "dazorad.ini is not the user's"

# A second start replaces nothing of the user's: a changed sample, a
# picture of their own, their preferences.
echo mine >"$stages/sample.kwp"
rm "$folder/zuzodovi.bmp"
echo mine >"$folder/zuzodovi.bmp"
cp "$folder/dazorad.ini" "$root/dazorad.ini"
chown nobody "$stages/sample.kwp" "$folder/zuzodovi.bmp"
as_user "$usr/bin/vorzodazorad" --version >/dev/null || fail "the launcher failed the second time"
[ "$(cat "$stages/sample.kwp")" = mine ] || fail "the user's sample.kwp was replaced"
[ "$(cat "$folder/zuzodovi.bmp")" = mine ] || fail "the user's zuzodovi.bmp was replaced"
cmp -s "$folder/dazorad.ini" "$root/dazorad.ini" || fail "dazorad.ini changed"
echo "package: lintian, man pages, file types, thumbnailer and a user's first start as expected"
