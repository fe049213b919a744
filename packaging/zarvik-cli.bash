# bash completion for zarvik-cli: commands, options, and the fixed texts of the
# windows' lists, quoted so that their spaces and apostrophes survive.

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

    local commands='text column fraction numbers activity'
    local operations=(Toplama Çıkarma Çarpma Bölme)
    local class_set='--sheets --names --answer-key'
    local page_options='--teacher --date --time --json -o --output'

    if ((cword == 1)); then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W '--help --version' -- "$cur"))
        else
            COMPREPLY=($(compgen -W "$commands help" -- "$cur"))
        fi
        return
    fi

    local command=${words[1]}
    case $prev in
        -o | --output)
            _filedir
            return
            ;;
        --names)
            _filedir
            return
            ;;
        --count | --p1 | --p2 | --time | --teacher | --date | --answers | --sheets | --opt)
            return
            ;;
        --page)
            COMPREPLY=($(compgen -W 'a5 a4' -- "$cur"))
            return
            ;;
        --op)
            _zarvik_cli_reply "$cur" "${operations[@]}"
            return
            ;;
        --prop)
            local i operation=
            for ((i = 2; i < cword; i++)); do
                [[ ${words[i]} == --op && i+1 -lt cword ]] && operation=${words[i + 1]}
            done
            # What is typed on the line may still carry its quotes.
            operation=${operation//[\"\'\\]/}
            local properties=()
            case $operation in
                Toplama) properties=('Tek Basamaklı Sayılarla' 'Eldesiz Toplama'
                    'Eldeli Toplama (Basit)' 'Eldeli sayılarla karışık') ;;
                Çıkarma) properties=('Tek Basamaklı Sayılarla' "20'den küçük sayılar ile"
                    'Onluk bozmadan çıkarma' 'Onluk bozarak çıkarma') ;;
                Çarpma) properties=('Tek Basamaklı Sayılarla' 'Çarpım tablosu'
                    'Eldesiz çarpma' 'Tek basamaklı sayı ile eldeli'
                    'Çok basamaklı sayılarla basit' 'Çok basamaklı sayılarla eldeli') ;;
                Bölme) properties=('Temel bölme (2-3. sınıf)'
                    'İleri seviye bölme (3-4-5. sınıf)') ;;
                *) properties=('Tek Basamaklı Sayılarla' 'Eldesiz Toplama'
                    'Eldeli Toplama (Basit)' 'Eldeli sayılarla karışık'
                    "20'den küçük sayılar ile" 'Onluk bozmadan çıkarma'
                    'Onluk bozarak çıkarma' 'Çarpım tablosu' 'Eldesiz çarpma'
                    'Tek basamaklı sayı ile eldeli' 'Çok basamaklı sayılarla basit'
                    'Çok basamaklı sayılarla eldeli' 'Temel bölme (2-3. sınıf)'
                    'İleri seviye bölme (3-4-5. sınıf)') ;;
            esac
            _zarvik_cli_reply "$cur" "${properties[@]}"
            return
            ;;
        --type)
            _zarvik_cli_reply "$cur" 'Basit Kesir' 'Tam Sayılı Kesir'
            return
            ;;
        --denominators)
            _zarvik_cli_reply "$cur" 'Paydaları Eşit' 'Paydaları Farklı' \
                'Paydaları Birbirinin Katı'
            return
            ;;
        --kind)
            if [[ $command == activity ]]; then
                _zarvik_cli_reply "$cur" 'Saat Okuma' 'Saat Çizme' 'Eksik Sayı' 'Ritmik Sayma' \
                    'Basamak Değeri' 'Paralarımız'
            else
                _zarvik_cli_reply "$cur" 'Sayı Okuma' 'Sayı Yazma' 'Karşılaştırma' 'Sıralama' \
                    'Tek ve Çift Sayılar' 'Sayı Yuvarlama'
            fi
            return
            ;;
        --digits)
            COMPREPLY=($(compgen -W '1 2 3 4 5 6 7 8 9' -- "$cur"))
            return
            ;;
        --columns)
            _zarvik_cli_reply "$cur" 'Tek Sütun' 'İki Sütun'
            return
            ;;
    esac
    $split && return

    local options
    case $command in
        text)
            options="--count --p1 --p2 --check --time -o --teacher --date $class_set --help"
            if [[ $cur != -* ]]; then
                # KIND, the number of the window's menu entry, once.
                local i given=
                for ((i = 2; i < cword; i++)); do
                    case ${words[i]} in
                        -o | --count | --p1 | --p2 | --time | --teacher | --date | --sheets | --names) ((i++)) ;;
                        -*) ;;
                        *) given=1 ;;
                    esac
                done
                if [[ -z $given ]]; then
                    COMPREPLY=($(compgen -W '101 102 103 104 105 106 201 202 203 204 205
                        301 302 303 304 305 306 307 308 401 402 403 404 501 502
                        601 602 603' -- "$cur"))
                fi
                return
            fi
            ;;
        column) options="--page --op --prop --answers --two-up $page_options $class_set --help" ;;
        fraction) options="--op --type --denominators $page_options $class_set --help" ;;
        numbers) options="--kind --digits --columns $page_options $class_set --help" ;;
        activity) options="--kind --opt $page_options $class_set --help" ;;
        *) return ;;
    esac
    COMPREPLY=($(compgen -W "$options" -- "$cur"))
} &&
    complete -F _zarvik_cli zarvik-cli

# ex: filetype=sh
