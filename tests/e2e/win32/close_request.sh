#!/usr/bin/env bash
# Closing the progress window during a long scan ends the program at once: no message, no save
# dialog, exit status 0.
#   close_request.sh EXE
set -euo pipefail
exe=$1
source "$(dirname "$0")/lib.sh"
make_workdir

# About 60000 tokens: with a pause of 1 ms each the scan alone takes a minute.
{
  printf 'ProcedureDLL.l FirstExport(a.l)\r\n  ProcedureReturn a\r\nEndProcedure\r\n'
  for ((i = 0; i < 10000; i++)); do printf 'a = b + %d\r\n' "$i"; done
  printf 'ProcedureDLL LastExport()\r\nEndProcedure\r\n'
} >"$workdir/long.pb"

title="Gantrell - PureBasic DLL import header generator"
start_program "$(winepath -w "$workdir/long.pb")"
window=$(wait_window "$title" 60)
# A window manager ignores a close request for a window it has not taken on yet.
wait_managed "$window" 30
screenshot "$window" win32-progress.png 3
started=$SECONDS
wmctrl -i -c "$window"
status=$(wait_exit 20)
[[ $status == 0 ]] || fail "exit status $status"
[[ -z $(message_texts) ]] || fail "a message showed: $(message_texts)"
window_exists "Save import header..." && fail "the save dialog showed"
echo "ok: close request (ended $((SECONDS - started)) s after the request)"
