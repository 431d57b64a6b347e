#!/usr/bin/env bash
# The end-to-end tests of gantrell-win32.exe under wine, each run on its own with a time limit:
#   run.sh EXE GANTRELL_CLI EXAMPLE_DIR [TEST]
# in DISPLAY with a window manager, in a WINEPREFIX that wineboot has set up. What the desktop
# programs share (the run, its messages, which files it refuses) the unit tests under wine and
# the gantrell-gtk tests prove; these keep what goes through Windows itself.
exe=$1 cli=$2 example=$3
source "$(dirname "$0")/../x11.sh"
main=$(cd "$example" && echo *.pb)
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# Wine traces the message boxes' texts to stderr.
program=(env "WINEDEBUG=-all,trace+msgbox" wine "$exe")
host_path() { winepath -w "$1"; }
message_texts() { sed -n 's/.*trace:msgbox:MSGBOX_OnInit L"\(.*\)"$/\1/p' "$work/stderr"; }
# answer_box TEXT: the error box said TEXT; OK ends the program with status 0.
answer_box() {
  press "$(wait_for_window Error)" Return
  wait_exit
  [[ $(message_texts) == "$1" ]] || fail "box said: $(message_texts), not $1"
}

# Without a source, the usage and no other window; a source without any ProcedureDLL gives
# "Nothing to export." while the progress window is still open.
error_box() {
  start
  screenshot "$(wait_for_window Error)" win32-missing-argument.png
  ! has_window "$banner" || fail "the progress window opened without an argument"
  answer_box 'Parameter missed.\r\ngantrell.exe [FILENAME]'
  printf 'Procedure Helper(x)\r\n  ProcedureReturn x\r\nEndProcedure\r\n' >"$work/plain.pb"
  start "$(host_path "$work/plain.pb")"
  screenshot "$(wait_for_window Error)" win32-nothing-to-export.png
  has_window "$banner" || fail "the progress window was gone while the error box showed"
  answer_box "Nothing to export."
}

# question: prints the id of the system's question, which has the same title as the save dialog
# (dialog): the other window of that title. asked: the question shows.
question() { window_ids "$save_title" | grep -vx "$dialog"; }
asked() { question >/dev/null && grep -q "already exists" "$work/stderr"; }

# The save dialog opens in the source's folder (its path holds a space); a name typed there gets
# exactly the bytes that the Linux gantrell-cli writes, with no message. A second argument is
# ignored. Replacing an existing file needs a yes in the system's question: a no returns to the
# save dialog, a yes replaces the file.
save() {
  cp "$example"/*.pb "$example"/*.pbi "$work/"
  "$cli" "$work/$main" >"$work/expected"
  shot=win32-save-dialog.png save_as "$work/$main" out.pb "second argument"
  wait_exit
  cmp "$work/expected" "$work/out.pb" || fail "the saved header differs from gantrell-cli's"
  [[ -z $(message_texts) ]] || fail "a message showed: $(message_texts)"
  printf 'old\r\n' | tee "$work/old.pb" >"$work/old"
  for answer in n:old y:expected; do
    save_as "$work/$main" old.pb
    wait_until 30 "no question before replacing old.pb" asked
    press "$(question | head -n 1)" "${answer%:*}"
    if [[ $answer == n:* ]]; then
      wait_until 30 "the question stayed after No" eval '! question >/dev/null'
      press "$dialog" Escape
    fi
    wait_exit
    cmp "$work/${answer#*:}" "$work/old.pb" || fail "after ${answer%:*} old.pb is not the ${answer#*:} file"
  done
}

# managed WINDOW: the window manager has taken the window on (its state is Normal).
managed() { [[ $(xprop -id "$1" WM_STATE) == *Normal* ]]; }

# Closing the progress window during a long scan (about 60000 tokens, at 1 ms each) ends the
# program at once: no message, no save dialog, status 0.
close_request() {
  { printf 'ProcedureDLL.l FirstExport(a.l)\r\nEndProcedure\r\n'; seq 10000 | sed 's/.*/a = b + &\r/'; } \
    >"$work/long.pb"
  start "$(host_path "$work/long.pb")"
  window=$(wait_for_window "$banner")
  # A window manager ignores a close request for a window it has not taken on yet.
  wait_until 30 "the window manager did not take the window on" managed "$window"
  screenshot "$window" win32-progress.png 3
  wmctrl -i -c "$window"
  wait_exit
  [[ -z $(message_texts) ]] || fail "a message showed: $(message_texts)"
  ! has_window "$save_title" || fail "the save dialog showed"
}

# bind_keys KEYSYM...: puts each keysym that the keyboard map lacks on a key that has none, its
# code added to bound. unbind_keys: those keys have none again.
bound=()
bind_keys() {
  local keysym code
  for keysym; do
    ! xmodmap -pke | grep -qw "$keysym" || continue
    xmodmap -e "keycode any = $keysym"
    code=$(xmodmap -pke | sed -n "s/^keycode *\([0-9]*\) = $keysym .*/\1/p" | head -n 1)
    [[ -n $code ]] || fail "no free key for $keysym"
    bound+=("$code")
  done
}
unbind_keys() {
  local code
  for code in "${bound[@]}"; do xmodmap -e "keycode $code ="; done
  bound=()
}

# The corpus's unicode_names project in a folder whose name lies beyond the code page:
# gantrell-cli.exe writes the corpus's block and names the missing include in UTF-8 when its
# output is no console, given the path relative or whole; gantrell-win32.exe, given the whole
# path, saves the same block under a name beyond the code page, in that folder.
unicode() {
  local dir="$work/Жук проект" cli_exe
  cli_exe=$(realpath "$(dirname "$exe")/gantrell-cli.exe")
  cp -R "$(dirname "$0")/../../corpus/unicode_names" "$dir"
  (cd "$dir" && wine "$cli_exe" -o cli.pbi main.pb 2>cli.err) || fail "gantrell-cli.exe failed"
  wine "$cli_exe" -o "$(host_path "$dir/whole.pbi")" "$(host_path "$dir/main.pb")" 2>/dev/null
  for out in cli whole; do
    cmp "$dir/expected.pbi" "$dir/$out.pbi" || fail "gantrell-cli.exe's $out.pbi differs"
  done
  # The C runtime writes LF as CR LF to a file in text mode.
  [[ $(tr -d '\r' <"$dir/cli.err") == "$(<"$dir/expected.err")" ]] ||
    fail "gantrell-cli.exe said: $(<"$dir/cli.err")"
  # The name's letters get keys of their own before the program starts and reads the keyboard
  # map, so xdotool finds them there and types without changing the map. Through keys that
  # xdotool maps for the moment they raced wine's copy of the map: lost, doubled or swapped.
  bind_keys Cyrillic_be Cyrillic_el Cyrillic_o Cyrillic_ka
  start "$(host_path "$dir/main.pb")"
  dialog=$(wait_for_window "$save_title")
  focus "$dialog"
  xdotool type --clearmodifiers "блок.pbi"
  press "$dialog" Return
  wait_exit
  cmp "$dir/expected.pbi" "$dir/блок.pbi" || fail "the saved блок.pbi differs: $(ls "$dir")"
  unbind_keys
}

if [[ -n ${4:-} ]]; then "$4"; echo "ok: $4"; exit; fi
# The tests close and focus windows through the window manager: make sure one is there.
wait_until 30 "no window manager on $DISPLAY" \
  sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"'
failed=0
for test in error_box save close_request unicode; do
  timeout 180 bash "$0" "$@" "$test" || { echo "FAILED: $test" >&2; failed=$((failed + 1)); }
done
# Wine's own helper processes of this prefix would outlive the display otherwise.
wineserver -k 2>/dev/null || true
echo "win32 e2e: $((4 - failed)) passed, $failed failed"
((failed == 0))
