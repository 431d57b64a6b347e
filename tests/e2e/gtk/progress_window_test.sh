#!/usr/bin/env bash
# The progress window during a long scan: title, fixed client size 400 x 70, window-manager
# hints, centred; a close request ends the run at once, silently, with status 0.
source "$(dirname "$0")/lib.sh"

# About 20 000 tokens: at 1 ms per token the scan would last 20 s. The declaration at the start
# gives the status line a name; it would open the save dialog if the scan ran to its end.
printf 'ProcedureDLL.l AddNumbers(a.l, b.l)\r\n  ProcedureReturn a + b\r\nEndProcedure\r\n' >"$work/long.pb"
make_source "$work/tail.pb" 5000
cat "$work/tail.pb" >>"$work/long.pb"
count=$("$CLI_BIN" --tokens "$work/long.pb" | wc -l)
((count >= 20000)) || fail "the long source has only $count tokens"

# check_window ID: everything the window manager and the user see of the progress window.
check_window() {
  local id=$1 props
  props=$(xprop -id "$id" _NET_WM_NAME _MOTIF_WM_HINTS WM_NORMAL_HINTS)
  grep -qxF "_NET_WM_NAME(UTF8_STRING) = \"$BANNER\"" <<<"$props" || fail "title: $props"
  # flags (functions and decorations), functions move+close, decorations border+title+menu
  grep -qxF "_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = 0x3, 0x24, 0x1a, 0x0, 0x0" <<<"$props" ||
    fail "motif hints: $props"
  grep -qF "program specified minimum size: 400 by 70" <<<"$props" || fail "minimum: $props"
  grep -qF "program specified maximum size: 400 by 70" <<<"$props" || fail "maximum: $props"
  local info
  info=$(xwininfo -id "$id")
  grep -qE '^ +Width: 400$' <<<"$info" && grep -qE '^ +Height: 70$' <<<"$info" ||
    fail "client area is not 400 x 70: $info"
  expect_centred "$id" "the progress window"
}

# The close button's request (WM_DELETE_WINDOW), sent by the window manager for wmctrl -c and
# for its Alt+F4 binding.
for how in wmctrl alt+F4; do
  start_gui "$work/long.pb"
  window=$(wait_for_window "$BANNER")
  check_window "$window"
  if [[ $how == wmctrl && -n ${GANTRELL_SCREENSHOTS:-} ]]; then
    # The filled part of the bar (mean about 0.4) is darker than its empty trough (about 0.76):
    # the picture waits until the fill has passed 40 % of the bar.
    bar_moved() { import -silent -window "$window" -crop 4x4+160+38 -format '%[fx:mean]' info: |
      awk '{exit !($1 < 0.6)}'; }
    wait_until 15 "the bar did not move" bar_moved
    screenshot "$window" gtk-progress-window.png 0
  fi
  ! program_ended || fail "the scan ended before the close request"
  if [[ $how == wmctrl ]]; then wmctrl -i -c "$window"; else press "$window" alt+F4; fi
  wait_for_exit
  [[ $(cut -f1,2 "$work/probe.log" | sort -u) == "map	$BANNER"$'\n'"unmap	$BANNER" ]] ||
    fail "after a close request ($how) another window was shown"
  [[ ! -s $work/stderr ]] || fail "stderr is not empty after a close request ($how)"
done
echo "progress window and close request: ok"
