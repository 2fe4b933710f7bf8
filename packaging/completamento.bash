# bash completion for kobaltino-cli. The commands, options, processors and inputs are read from
# the program's own help, the arenas and challenges from the data folders it reports with
# --version: the completion follows the program it completes.

# The names of the files in the data folder that `kobaltino-cli --version` reports as $2.
_kobaltino_cli_nomi()
{
    local cartella f
    cartella=$("$1" --version 2>/dev/null | sed -n "s/^$2: //p")
    [[ -d $cartella ]] || return 0
    for f in "$cartella"/*; do
        [[ -f $f ]] || continue
        f=${f##*/}
        printf '%s\n' "${f%.*}"
    done
}

_kobaltino_cli()
{
    local cur prev words cword
    _init_completion || return
    local cli=${words[0]}

    if ((cword == 1)); then
        COMPREPLY=($(compgen -W "$("$cli" --help 2>/dev/null | sed -n 's/^  \([a-z][a-z]*\)\( .*\)\{0,1\}$/\1/p')
                                  --help --version" -- "$cur"))
        return
    fi
    local comando=${words[1]} aiuto
    aiuto=$("$cli" "$comando" --help 2>&1)  # some commands print it on the error stream

    case $prev in
        --arena)
            COMPREPLY=($(compgen -W "$(_kobaltino_cli_nomi "$cli" Arene) nessuna" -- "$cur"))
            _filedir json
            return
            ;;
        --ingresso)
            local ingressi
            ingressi=$(sed -n '/^  --ingresso /,/^  --[a-z]/p' <<<"$aiuto" | grep -oE '\<[A-Z][a-z]+(_[a-z]+)?\>')
            compopt -o nospace
            COMPREPLY=($(compgen -W "$(printf '%s=\n' $ingressi)" -- "$cur"))
            return
            ;;
    esac
    # An option that takes a value shows it after itself in the help: a choice (16F84|16F628), a
    # file (FILE, PERCORSO) or something to type (SECONDI).
    local valore=
    [[ $prev == -* ]] && valore=$(grep -oE -- "(^|[[( ])$prev [A-Z0-9][A-Za-z0-9.|]*" <<<"$aiuto" | head -n 1 | sed 's/.* //')
    if [[ $valore == *'|'* ]]; then
        COMPREPLY=($(compgen -W "$(tr '|' '\n' <<<"$valore" | grep -v '^[A-Z]*$')" -- "$cur"))
        return
    elif [[ $valore == *FILE* || $valore == PERCORSO* ]]; then
        _filedir
        return
    elif [[ -n $valore ]]; then
        return
    fi

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(grep -oE -- '(--[a-z][a-z-]*|(^|[[ ])-o\>)' <<<"$aiuto" | tr -d '[ ' | sort -u)" -- "$cur"))
        return
    fi
    # valuta takes a challenge first: a built-in name or a file.
    if [[ $comando == valuta ]] && ((cword == 2)); then
        COMPREPLY=($(compgen -W "$(_kobaltino_cli_nomi "$cli" Sfide)" -- "$cur"))
        _filedir '@(sfida|json)'
        return
    fi
    _filedir '@(kbn|sdl)'
}
complete -F _kobaltino_cli kobaltino-cli
