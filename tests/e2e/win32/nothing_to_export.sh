#!/usr/bin/env bash
# A source without any ProcedureDLL (and one that does not exist) ends with "Nothing to export."
# in the error box while the progress window is still open; exit status 0.
#   nothing_to_export.sh EXE
set -euo pipefail
exe=$1
source "$(dirname "$0")/lib.sh"
make_workdir

printf 'Procedure Helper(x)\r\n  ProcedureReturn x\r\nEndProcedure\r\n' >"$workdir/plain.pb"
for source in "$workdir/plain.pb" "$workdir/missing.pb"; do
  start_program "$(winepath -w "$source")"
  box=$(wait_window "Error" 60)
  window_exists "Gantrell - PureBasic DLL import header generator" ||
    fail "the progress window was gone while the error box showed"
  [[ $source == */plain.pb ]] && screenshot "$box" win32-nothing-to-export.png
  answer_box "$box" "Nothing to export." "$source"
done
echo "ok: nothing to export"
