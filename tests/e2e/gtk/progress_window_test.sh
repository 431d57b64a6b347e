#!/usr/bin/env bash
# The progress window during a long scan: title, fixed client size 400 x 70, window-manager
# hints, centred; a close request ends the run at once, silently, with status 0.
source "$(dirname "$0")/lib.sh"

# About 20 000 tokens: at 1 ms per token the scan would last 20 s. The declaration at the start
# gives the status line a name; it would open the save dialog if the scan ran to its end.
{ printf 'ProcedureDLL.l AddNumbers(a.l, b.l)\r\nEndProcedure\r\n'; make_source 5000; } >"$work/long.pb"
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
  expect_centred "$id" "the progress window" 400x70
}

# The close button's request (WM_DELETE_WINDOW), sent by the window manager for wmctrl -c and
# for its Alt+F4 binding.
for how in wmctrl alt+F4; do
  start_gui "$work/long.pb"
  window=$(wait_for_window "$BANNER")
  check_window "$window"
  # The picture, when one is asked for, once the bar has gone about 40 % of its way.
  [[ $how != wmctrl ]] || screenshot "$window" gtk-progress-window.png 8
  ! program_ended || fail "the scan ended before the close request"
  if [[ $how == wmctrl ]]; then wmctrl -i -c "$window"; else press "$window" alt+F4; fi
  wait_for_exit
  [[ $(cut -f1,2 "$work/probe.log" | sort -u) == "map	$BANNER"$'\n'"unmap	$BANNER" ]] ||
    fail "after a close request ($how) another window was shown"
  [[ ! -s $work/stderr ]] || fail "stderr is not empty after a close request ($how)"
  expect_probe "^unmap	$BANNER	label=Found: AddNumbers	" "the status line named no declaration"
done
echo "progress window and close request: ok"
