# Helpers for the end-to-end tests of gantrell-win32.exe under wine. The caller provides an X
# display with a window manager (DISPLAY) and a wine prefix that wineboot has set up
# (WINEPREFIX), and sets exe; every wait here ends at a deadline.
source "$(dirname "${BASH_SOURCE[0]}")/../x11.sh"
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
banner="Gantrell - PureBasic DLL import header generator"
save_title="Save import header..."

fail() {
  echo "FAIL: $*" >&2
  [[ -f ${workdir:-}/wine.log ]] && sed 's/^/  wine: /' "$workdir/wine.log" >&2
  exit 1
}

# A scratch folder for one test, removed when the test ends; its name holds a space.
make_workdir() {
  workdir=$(mktemp -d "${TMPDIR:-/tmp}/gantrell e2e.XXXXXX")
  trap 'stop_program; rm -rf "$workdir"' EXIT
  trap 'exit 1' TERM INT
}

# start_program ARG...: starts the program in the background. The message boxes' texts are
# traced into wine.log; the exit status goes to the file status when it ends.
start_program() {
  rm -f "$workdir/status"
  ( WINEDEBUG=-all,trace+msgbox wine "$exe" "$@" >"$workdir/wine.log" 2>&1
    echo $? >"$workdir/status" ) &
  program_pid=$!
}

# Ends a program that is still running: our subshell and the wine process it started.
stop_program() {
  if [[ -n ${program_pid:-} ]] && kill -0 "$program_pid" 2>/dev/null; then
    pkill -P "$program_pid" 2>/dev/null || true
    kill "$program_pid" 2>/dev/null || true
  fi
}

program_ended() { [[ -s $workdir/status ]]; }

# wait_exit: waits until the program has ended and checks its status is 0.
wait_exit() {
  wait_until 30 "the program did not end within 30 s" program_ended
  [[ $(<"$workdir/status") == 0 ]] || fail "exit status $(<"$workdir/status")"
}

# The texts of the message boxes shown so far, one per line, as wine traced them.
message_texts() {
  sed -n 's/.*trace:msgbox:MSGBOX_OnInit L"\(.*\)"$/\1/p' "$workdir/wine.log" 2>/dev/null
}

# answer_box BOX TEXT: presses OK in the message box; the program ends with status 0, and the
# last box said exactly TEXT.
answer_box() {
  press "$1" Return
  wait_exit
  [[ $(message_texts | tail -n 1) == "$2" ]] || fail "box said: $(message_texts), not $2"
}

# save_as SOURCE NAME: scans SOURCE (a Linux path) and types NAME and Enter into the save
# dialog, whose id goes to dialog; the dialog must come while the progress window is open. The
# name field has the focus and starts empty. More arguments go to the program after SOURCE.
save_as() {
  start_program "$(winepath -w "$1")" "${@:3}"
  dialog=$(wait_for_window "$save_title" 60)
  has_window "$banner" || fail "the progress window was gone while the save dialog showed"
  [[ -n ${3:-} ]] && screenshot "$dialog" win32-save-dialog.png
  focus "$dialog"
  xdotool type --delay 30 "$2"
  xdotool key Return
}
