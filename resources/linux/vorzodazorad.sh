#!/bin/sh
# Starts VorzoDazorad from its program folder, where it looks for Setting.cfg
# and zuzodovi.bmp and keeps dazorad.ini and TestPlay/. A stage named
# relative to the folder this was started in is handed on with its full
# path, since the editor runs from the program folder.
set -e
bin=$(dirname "$(readlink -f "$0")")
folder=$bin/../lib/vorzodazorad
for argument do
    shift
    case $argument in
        /* | -* | "") ;;
        *) argument=$PWD/$argument ;;
    esac
    set -- "$@" "$argument"
done
cd "$folder"
exec ./VorzoDazorad "$@"
