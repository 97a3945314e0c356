#!/bin/sh
# Starts VorzoDazorad in a program folder of its user's, where it looks for
# Setting.cfg and zuzodovi.bmp and keeps dazorad.ini and TestPlay/.
#
# The installed folder (../lib/vorzodazorad beside this script) is that
# folder when it belongs to the user who starts the editor: an install for
# one user (--prefix ~/.local). An install shared by the users of the
# machine (a package; any folder owned by root) gives each user a folder of
# their own, $XDG_DATA_HOME/vorzodazorad (~/.local/share/vorzodazorad),
# made at the first start with links to the installed Setting.cfg and
# zuzodovi.bmp; the editor is told it through VORZO_PROGRAM_FOLDER.
#
# In both, Projects/ in the program folder is made a link to VorzoDazorad/
# in the user's documents folder (xdg-user-dir DOCUMENTS, ~/Documents
# without xdg-user-dir), where the sample stage is copied the one time the
# link is made. Nothing that is there already is replaced or removed.
#
# A stage named relative to the folder this was started in is handed on
# with its full path, since the editor runs from the program folder.
set -e
bin=$(dirname "$(readlink -f "$0")")
installed=$(cd "$bin/../lib/vorzodazorad" && pwd)
for argument do
    shift
    case $argument in
        /* | -* | "") ;;
        *) argument=$PWD/$argument ;;
    esac
    set -- "$@" "$argument"
done

say() { echo "vorzodazorad: $*" >&2; }

if [ -O "$installed" ] && [ "$(id -u)" -ne 0 ]; then
    folder=$installed
else
    data=${XDG_DATA_HOME:-}
    case $data in
        /*) ;;
        *) data=$HOME/.local/share ;; # unset or not absolute: the default
    esac
    folder=$data/vorzodazorad
    mkdir -p "$folder/TestPlay" || { say "cannot make the program folder $folder"; exit 1; }
    for file in Setting.cfg zuzodovi.bmp; do
        # A link that leads nowhere (the program moved) is made anew; a
        # file of the user's stays.
        if [ -L "$folder/$file" ] && [ ! -e "$folder/$file" ]; then
            rm -f "$folder/$file"
        fi
        [ -e "$folder/$file" ] || ln -s "$installed/$file" "$folder/$file"
    done
    [ -e "$folder/TestPlay/README.txt" ] || cp "$installed/TestPlay/README.txt" "$folder/TestPlay/"
    VORZO_PROGRAM_FOLDER=$folder
    export VORZO_PROGRAM_FOLDER
fi

if [ ! -e "$folder/Projects" ] && [ ! -L "$folder/Projects" ]; then
    documents=$(xdg-user-dir DOCUMENTS 2>/dev/null) || documents=
    [ -n "$documents" ] || documents=$HOME/Documents
    stages=$documents/VorzoDazorad
    if mkdir -p "$stages" && ln -s "$stages" "$folder/Projects"; then
        # The sample, both of its files or neither: never beside a stage
        # of the user's of the same name.
        if [ ! -e "$stages/sample.kwt" ] && [ ! -e "$stages/sample.kwp" ]; then
            cp "$installed/sample/sample.kwt" "$installed/sample/sample.kwp" "$stages/" \
                || say "cannot copy the sample stage into $stages"
        fi
    else
        say "cannot link $folder/Projects to $stages"
    fi
fi

cd "$folder"
exec "$installed/VorzoDazorad" "$@"
