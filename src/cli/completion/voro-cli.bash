# bash completion of voro-cli. The commands, their options and the values of
# the options are read from voro-cli's own help, so that every command it
# knows is completed: a placeholder "a|b|c" lists the values, one with
# extensions (FILE.csv, PLOT.svg|.png) names files of those kinds.

_voro_cli_commands() {
  "$1" help 2>/dev/null | awk '/^Commands:/ {on = 1; next} on && NF == 0 {exit} on {print $1}'
}

# The option lines of a command's help: "--name PLACEHOLDER" or "--name".
_voro_cli_options() {
  "$1" help "$2" 2>/dev/null | awk '/^  (-h, )?--[a-z]/ {sub(/^  (-h, )?/, ""); split($0, f, "  "); print f[1]}'
}

_voro_cli_files() {
  local IFS=$'\n' pattern=$1
  compopt -o filenames 2>/dev/null
  COMPREPLY=($(compgen -f -X "!*.@($pattern)" -- "$cur") $(compgen -d -- "$cur"))
}

_voro_cli() {
  local cur prev cmd= i
  COMPREPLY=()
  cur=${COMP_WORDS[COMP_CWORD]}
  prev=${COMP_WORDS[COMP_CWORD - 1]}
  local prog=${COMP_WORDS[0]}

  for ((i = 1; i < COMP_CWORD; i++)); do
    if [[ ${COMP_WORDS[i]} != -* ]]; then
      cmd=${COMP_WORDS[i]}
      break
    fi
  done

  if [[ -z $cmd ]]; then
    COMPREPLY=($(compgen -W "$(_voro_cli_commands "$prog") --help --version" -- "$cur"))
    return
  fi
  if [[ $cmd == help ]]; then
    COMPREPLY=($(compgen -W "$(_voro_cli_commands "$prog")" -- "$cur"))
    return
  fi

  local options name value placeholder=
  options=$(_voro_cli_options "$prog" "$cmd")
  while read -r name value; do
    if [[ $name == "$prev" && -n $value ]]; then
      placeholder=$value
    fi
  done <<<"$options"

  # The vehicles of the library, by name (names may hold blanks).
  if [[ $prev == --vehicle ]]; then
    local IFS=$'\n' nome
    for nome in $(compgen -W "$("$prog" vehicles 2>/dev/null | awk '!/^ /')" -- "$cur"); do
      COMPREPLY+=("$(printf '%q' "$nome")")
    done
    return
  fi
  if [[ -n $placeholder ]]; then
    if [[ $placeholder == *.* ]]; then
      local extensions
      extensions=$(grep -o '\.[A-Za-z0-9]*' <<<"$placeholder" | tr -d . | paste -sd'|')
      _voro_cli_files "$extensions"
    elif [[ $placeholder == *'|'* ]]; then
      # An upper-case word in the list stands for any value of its kind (DEGREES).
      COMPREPLY=($(compgen -W "$(tr '|' '\n' <<<"$placeholder" | grep -v '^[A-Z]*$')" -- "$cur"))
    fi
    return
  fi
  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W "$(cut -d' ' -f1 <<<"$options")" -- "$cur"))
    return
  fi
  _voro_cli_files vro
}

complete -F _voro_cli voro-cli
