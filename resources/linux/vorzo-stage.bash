# bash completion for vorzo-stage: its commands, each command's options, and
# file names: stages (.kwt) for the stage, Tiled maps (.tmx, .tmj) for import,
# bitmaps, icons and metafiles for --picture, any file for the other files.
# Folders are offered too.

# The files and folders starting with $1 whose extension, in any case, is
# one of the words in $2.
_vorzo_stage_files()
{
    local name extension
    while IFS= read -r name; do
        extension=${name##*.}
        if [ -d "$name" ] || { [ "$extension" != "$name" ] && [[ " $2 " == *" ${extension,,} "* ]]; }; then
            COMPREPLY+=("$name")
        fi
    done < <(compgen -f -- "$1")
    compopt -o filenames 2>/dev/null || true
}

_vorzo_stage()
{
    local current=${COMP_WORDS[COMP_CWORD]} previous=${COMP_WORDS[COMP_CWORD - 1]}
    COMPREPLY=()
    if [ "$COMP_CWORD" -eq 1 ]; then
        mapfile -t COMPREPLY < <(compgen -W "page render check export import text diff --help --version" -- "$current")
        return
    fi
    case $previous in
        -o | --before | --after)
            mapfile -t COMPREPLY < <(compgen -f -- "$current")
            compopt -o filenames 2>/dev/null || true
            return ;;
        --picture)
            _vorzo_stage_files "$current" "bmp ico wmf emf"
            return ;;
        --scale)
            mapfile -t COMPREPLY < <(compgen -W "1 2 3 4" -- "$current")
            return ;;
        --layer-format)
            mapfile -t COMPREPLY < <(compgen -W "csv base64 zlib gzip zstd" -- "$current")
            return ;;
    esac
    if [[ $current == -* ]]; then
        local options=
        case ${COMP_WORDS[1]} in
            page) options="-o --before --after --help" ;;
            render) options="-o --picture --grid --scale --help" ;;
            check | diff) options="--json --help" ;;
            export) options="-o --picture --layer-format --help" ;;
            import) options="-o --help" ;;
            text) options="--help" ;;
        esac
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$current")
        return
    fi
    if [ "${COMP_WORDS[1]}" = import ]; then
        _vorzo_stage_files "$current" "tmx tmj"
    else
        _vorzo_stage_files "$current" "kwt"
    fi
}
complete -F _vorzo_stage vorzo-stage
