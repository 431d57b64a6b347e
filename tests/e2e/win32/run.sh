#!/usr/bin/env bash
# The end-to-end tests of gantrell-win32.exe under wine, each run on its own with a time limit.
#   run.sh EXE GANTRELL_CLI EXAMPLE_DIR [TEST]
# Needs DISPLAY with a window manager and a WINEPREFIX that wineboot has set up;
# GANTRELL_SCREENSHOTS=DIR also saves pictures of the windows. Every wait ends at a deadline.
set -euo pipefail
exe=$1 cli=$2 example=$3
here=$(dirname "$0")
main=$(cd "$example" && echo *.pb)
source "$here/../x11.sh"
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
message_texts() { sed -n 's/.*trace:msgbox:MSGBOX_OnInit L"\(.*\)"$/\1/p' "$workdir/wine.log"; }

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

# Without a source, the usage in the error box and no other window; a source without any
# ProcedureDLL, and one that does not exist, give "Nothing to export." while the progress window
# is still open. Status 0 once the box is dismissed.
error_box() {
  printf 'Procedure Helper(x)\r\n  ProcedureReturn x\r\nEndProcedure\r\n' >"$workdir/plain.pb"
  for args in none "   " plain.pb missing.pb; do
    case $args in
      none) start_program ;;
      *.pb) start_program "$(winepath -w "$workdir/$args")" ;;
      *) start_program "$args" ;;
    esac
    box=$(wait_for_window Error 60)
    if [[ $args == *.pb ]]; then
      has_window "$banner" || fail "the progress window was gone while the error box showed"
      [[ $args == plain.pb ]] && screenshot "$box" win32-nothing-to-export.png
      answer_box "$box" "Nothing to export."
    else
      has_window "$banner" && fail "the progress window opened without an argument"
      [[ $args == none ]] && screenshot "$box" win32-missing-argument.png
      answer_box "$box" 'Parameter missed.\r\ngantrell.exe [FILENAME]'
    fi
  done
}

# The save dialog opens in the source's folder (its path holds a space); a name typed there gets
# exactly the bytes that the Linux gantrell-cli writes, status 0 and no message. A second
# argument is ignored. A DLL project with ProcedureCDLL exports gets its Import and ImportC blocks.
save() {
  mkdir "$workdir/my sources"
  cp "$example"/*.pb "$example"/*.pbi "$workdir/my sources/"
  "$cli" "$workdir/my sources/$main" >"$workdir/expected"
  save_as "$workdir/my sources/$main" out.pb "second argument"
  wait_exit
  cmp "$workdir/expected" "$workdir/my sources/out.pb" || fail "the saved header differs from gantrell-cli's"
  cp -R "$here/../../corpus/desktop_imports" "$workdir/project"
  save_as "$workdir/project/main.pb" imports.pbi
  wait_exit
  cmp "$workdir/project/expected.pbi" "$workdir/project/imports.pbi" || fail "the saved blocks differ"
  [[ -z $(message_texts) ]] || fail "a message showed: $(message_texts)"
}

# Replacing an existing file needs a yes in the system's question: a no returns to the save
# dialog, a yes replaces the file. A file read in the run, the main one or an include, is refused
# even then, with "Can't overwrite a source file."; status 0 each time.
overwrite() {
  mkdir "$workdir/src"
  cp "$example"/*.pb "$example"/*.pbi "$workdir/src/"
  "$cli" "$workdir/src/$main" >"$workdir/expected"
  cp -R "$workdir/src" "$workdir/kept"
  printf 'old\r\n' >"$workdir/src/old.pb"
  # The question has the same title as the dialog: it is the other window of that title.
  question() { window_ids "$save_title" | grep -vx "$dialog"; }
  asked() { question >/dev/null && grep -q "already exists" "$workdir/wine.log"; }
  for answer in "old.pb n" "old.pb y" "$main y" "$(cd "$example" && echo *.pbi) y"; do
    save_as "$workdir/src/$main" "${answer% *}"
    wait_until 30 "no question before replacing ${answer% *}" asked
    press "$(question | head -n 1)" "${answer##* }"
    case $answer in
      *n) wait_until 30 "the question stayed after No" eval '! question >/dev/null'
        press "$dialog" Escape
        wait_exit
        [[ $(<"$workdir/src/old.pb") == $'old\r' ]] || fail "No still replaced the file" ;;
      old.pb*) wait_exit
        cmp "$workdir/expected" "$workdir/src/old.pb" || fail "Yes did not replace the file" ;;
      *) answer_box "$(wait_for_window Error 30)" "Can't overwrite a source file." ;;
    esac
  done
  diff -r -x old.pb "$workdir/kept" "$workdir/src" || fail "a source file was changed"
}

# Closing the progress window during a long scan (about 60000 tokens, at 1 ms each) ends the
# program at once: no message, no save dialog, status 0.
close_request() {
  { printf 'ProcedureDLL.l FirstExport(a.l)\r\n  ProcedureReturn a\r\nEndProcedure\r\n'
    for ((i = 0; i < 10000; i++)); do printf 'a = b + %d\r\n' "$i"; done
  } >"$workdir/long.pb"
  start_program "$(winepath -w "$workdir/long.pb")"
  window=$(wait_for_window "$banner" 60)
  # A window manager ignores a close request for a window it has not taken on yet.
  wait_until 30 "the window manager did not take the window on" \
    sh -c 'xprop -id "$1" WM_STATE | grep -q Normal' - "$window"
  screenshot "$window" win32-progress.png 3
  wmctrl -i -c "$window"
  wait_exit
  [[ -z $(message_texts) ]] || fail "a message showed: $(message_texts)"
  ! has_window "$save_title" || fail "the save dialog showed"
}

if [[ -n ${4:-} ]]; then make_workdir; "$4"; echo "ok: $4"; exit; fi
# The tests close and focus windows through the window manager: make sure one is there.
wait_until 30 "no window manager on $DISPLAY" \
  sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"'
failed=0
for test in error_box save overwrite close_request; do
  timeout 180 bash "$0" "$@" "$test" || { echo "FAILED: $test" >&2; failed=$((failed + 1)); }
done
# Wine's own helper processes of this prefix would outlive the display otherwise.
wineserver -k 2>/dev/null || true
echo "win32 e2e: $((4 - failed)) passed, $failed failed"
((failed == 0))
