#!/usr/bin/env bash
# The progress window during a long scan: title, fixed client size 400 x 70, window-manager
# hints, centred; a close request (WM_DELETE_WINDOW, sent by the window manager for wmctrl -c and
# for Alt+F4) ends the run at once, silently, with status 0.
source "$(dirname "$0")/lib.sh"

# About 20 000 tokens: at 1 ms per token the scan would last 20 s. The declaration at the start
# gives the status line a name; it would open the save dialog if the scan ran to its end.
{ printf 'ProcedureDLL.l AddNumbers(a.l, b.l)\r\nEndProcedure\r\n'; make_source 5000; } >"$work/long.pb"
count=$("$CLI_BIN" --tokens "$work/long.pb" | wc -l)
((count >= 20000)) || fail "the long source has only $count tokens"

for how in wmctrl alt+F4; do
  start "$work/long.pb"
  window=$(wait_for_window "$banner")
  props=$(xprop -id "$window" _NET_WM_NAME _MOTIF_WM_HINTS WM_NORMAL_HINTS)
  # Motif flags (functions and decorations), functions move+close, decorations border+title+menu.
  for want in "_NET_WM_NAME(UTF8_STRING) = \"$banner\"" "program specified minimum size: 400 by 70" \
    "_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = 0x3, 0x24, 0x1a, 0x0, 0x0" "program specified maximum size: 400 by 70"; do
    grep -qF "$want" <<<"$props" || fail "no \"$want\" in $props"
  done
  expect_centred "$window" "the progress window" 400x70
  # The picture, when one is asked for, once the bar has gone about 40 % of its way.
  [[ $how != wmctrl ]] || screenshot "$window" gtk-progress-window.png 8
  ! program_ended || fail "the scan ended before the close request"
  if [[ $how == wmctrl ]]; then wmctrl -i -c "$window"; else press "$window" alt+F4; fi
  wait_exit
  only_windows "$banner" "after a close request ($how) another window was shown"
  [[ ! -s $work/stderr ]] || fail "stderr is not empty after a close request ($how)"
  expect_probe "^unmap	$banner	label=Found: AddNumbers	" "the status line named no declaration"
done
echo "progress window and close request: ok"
