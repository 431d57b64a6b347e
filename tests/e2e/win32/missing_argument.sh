#!/usr/bin/env bash
# Started without a source file, the program shows the usage in the error box, opens no window,
# and ends with status 0 once the box is dismissed. Arguments of spaces count as none.
#   missing_argument.sh EXE
set -euo pipefail
exe=$1
source "$(dirname "$0")/lib.sh"
make_workdir

expected=$'Parameter missed.\\r\\ngantrell.exe [FILENAME]'
for args in none spaces; do
  if [[ $args == none ]]; then start_program; else start_program "   "; fi
  box=$(wait_window "Error" 60)
  [[ $args == none ]] && screenshot "$box" win32-missing-argument.png
  window_exists "Gantrell - PureBasic DLL import header generator" &&
    fail "the progress window opened without an argument"
  answer_box "$box" "$expected" "$args"
done
echo "ok: missing argument"
