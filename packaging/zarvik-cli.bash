# bash completion for zarvik-cli. The candidates come from zarvik-cli itself
# (--complete), which reads its family registry: commands, options, and the
# fixed texts of the windows' lists, quoted so that their spaces and
# apostrophes survive.

_zarvik_cli_reply() {
    # COMPREPLY: the values starting with what is typed. Inside an opened quote
    # readline closes the quote itself; elsewhere spaces and the like are escaped.
    local typed=$1 value quote=
    shift
    case $typed in
        \"* | \'*) quote=${typed:0:1} typed=${typed:1} ;;
        *) typed=${typed//\\/} ;;
    esac
    COMPREPLY=()
    for value in "$@"; do
        [[ $value == "$typed"* ]] || continue
        if [[ -n $quote ]]; then
            COMPREPLY+=("$value")
        else
            COMPREPLY+=("$(printf '%q' "$value")")
        fi
    done
}

_zarvik_cli() {
    local cur prev words cword split
    _init_completion -s || return
    case $prev in
        -o | --output | --names)
            _filedir
            return
            ;;
    esac
    $split && return
    # The words so far as the program will see them, without their quotes.
    local word typed=()
    for word in "${words[@]:1:cword}"; do
        typed+=("${word//[\"\'\\]/}")
    done
    local IFS=$'\n'
    local candidates=($("${words[0]}" --complete "${typed[@]}" 2>/dev/null))
    _zarvik_cli_reply "$cur" "${candidates[@]}"
}
complete -F _zarvik_cli zarvik-cli
