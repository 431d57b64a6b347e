# Helpers for the end-to-end tests of gantrell-win32.exe under wine. The caller provides an X
# display with a window manager (DISPLAY) and a wine prefix that wineboot has set up
# (WINEPREFIX), and sets exe; every wait here ends at a deadline.
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

# wait_until SECONDS WHAT COMMAND...: runs the command every 0.1 s until it succeeds; fails with
# WHAT after SECONDS.
wait_until() {
  local deadline=$((SECONDS + $1)) what=$2
  shift 2
  until "$@"; do
    ((SECONDS < deadline)) || fail "$what"
    sleep 0.1
  done
}

# wait_exit: waits until the program has ended and checks its status is 0.
wait_exit() {
  wait_until 30 "the program did not end within 30 s" test -s "$workdir/status"
  [[ $(<"$workdir/status") == 0 ]] || fail "exit status $(<"$workdir/status")"
}

# window_ids TITLE: the visible windows whose whole title is TITLE, oldest first.
window_ids() {
  xdotool search --onlyvisible --name "^$(sed 's/[][\.*^$?+(){}|/]/\\&/g' <<<"$1")\$" 2>/dev/null
}
window_exists() { [[ -n $(window_ids "$1") ]]; }

# wait_window TITLE SECONDS: prints the id of a window of that title once it shows.
wait_window() {
  local deadline=$((SECONDS + $2)) ids
  until ids=$(window_ids "$1") && [[ -n $ids ]]; do
    [[ ! -s $workdir/status ]] || fail "the program ended before \"$1\" showed"
    ((SECONDS < deadline)) || fail "no window \"$1\" within $2 s"
    sleep 0.1
  done
  head -n 1 <<<"$ids"
}

# focus WINDOW: gives the window the keyboard focus and waits until it has it.
focus() { xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1"; }
press() { focus "$1" && xdotool key "${@:2}"; }  # press WINDOW KEY...

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
  dialog=$(wait_window "$save_title" 60)
  window_exists "$banner" || fail "the progress window was gone while the save dialog showed"
  [[ -n ${3:-} ]] && screenshot "$dialog" win32-save-dialog.png
  focus "$dialog"
  xdotool type --delay 30 "$2"
  xdotool key Return
}

# screenshot WINDOW FILE [SETTLE]: saves a picture of the window into GANTRELL_SCREENSHOTS, when
# that is set, after letting it draw for SETTLE seconds. Nothing waits on the pictures.
screenshot() {
  [[ -n ${GANTRELL_SCREENSHOTS:-} ]] || return 0
  mkdir -p "$GANTRELL_SCREENSHOTS"
  sleep "${3:-0.5}"
  import -window "$1" -frame "$GANTRELL_SCREENSHOTS/$2" 2>/dev/null ||
    import -window "$1" "$GANTRELL_SCREENSHOTS/$2"
}
