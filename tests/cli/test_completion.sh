#!/usr/bin/env bash
# The bash completion of voro-cli: commands, options, their values and files,
# all read from the program's own help. Usage: test_completion.sh BIN_DIR
set -o pipefail
shopt -s extglob
source "$(dirname "$0")/../../src/cli/completion/voro-cli.bash"
PATH=$(cd "$1" && pwd):$PATH
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
touch bridge.vro notes.txt plot.png plot.svg summary.csv

fails=0
expect() {
  local want=$1 got
  shift
  COMP_WORDS=("$@") COMP_CWORD=$(($# - 1)) COMPREPLY=()
  _voro_cli 2>/dev/null
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd' ')
  [[ $got == "$want" ]] || { echo "completing '$*': got '$got', want '$want'"; fails=$((fails + 1)); }
}

expect "--help --version assess help plot report solve vehicles" voro-cli ""
expect "solve" voro-cli so
expect "assess help plot report solve vehicles" voro-cli help ""
expect "--csv --help --json --locale --progress --set" voro-cli solve bridge.vro --
expect "--cad" voro-cli plot bridge.vro --c
expect "geometry loads results" voro-cli plot bridge.vro --mode ""
expect "pdf png" voro-cli plot --format p
expect "bridge.vro" voro-cli solve ""
expect "summary.csv" voro-cli solve bridge.vro --csv ""
expect "plot.png plot.svg" voro-cli plot bridge.vro --out plot
expect "" voro-cli plot bridge.vro --size ""
expect "--plot --plot-sweep --plot-vehicle --plot-vehicle-sweep" voro-cli assess bridge.vro --plot
expect "plot.png plot.svg" voro-cli assess bridge.vro --plot-sweep plot
expect "en it" voro-cli report bridge.vro --locale ""
expect "html pdf txt" voro-cli report - --format ""
expect "1:2 30 45 none" voro-cli assess bridge.vro --spread ""
expect "LM1\\ tandem" voro-cli assess bridge.vro --vehicle LM1
expect "11.5\\ t\\ single\\ axle" voro-cli assess bridge.vro --vehicle 11
expect "notes.txt" voro-cli vehicles --vehicle-file no
[[ $fails -eq 0 ]] && echo "completion ok"
exit $fails
