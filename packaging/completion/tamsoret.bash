# bash completion for tamsoret                                   -*- shell-script -*-

_tamsoret()
{
    local cur prev words cword split
    _init_completion -s || return

    case $prev in
        -o | --output)
            _filedir
            return
            ;;
        --printer)
            local IFS=$'\n'
            COMPREPLY=($(compgen -W "$(lpstat -e 2>/dev/null)" -- "$cur"))
            return
            ;;
        --format)
            COMPREPLY=($(compgen -W 'text pdf csv json' -- "$cur"))
            return
            ;;
        --order)
            COMPREPLY=($(compgen -W 'name dos-name size date' -- "$cur"))
            return
            ;;
        --columns)
            # A comma-separated list: complete its last word.
            local head=
            [[ $cur == *,* ]] && head=${cur%,*},
            COMPREPLY=($(compgen -P "$head" -W 'name dos-name size date attributes' -- "${cur##*,}"))
            compopt -o nospace
            return
            ;;
        -f | --filter | --margins | --font | --depth)
            return
            ;;
    esac
    $split && return

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W '--output= --format= --print --printer= --filter= --no-folders
            --no-hidden --recursive --depth= --one-file-system --order= --ascending --descending --columns= --margins= --font=
            --help --version' -- "$cur"))
        [[ ${COMPREPLY-} == *= ]] && compopt -o nospace
        return
    fi
    _filedir -d
} &&
    complete -F _tamsoret tamsoret
