#!/usr/bin/env bash
# Runs that end without a save dialog, with status 0 and nothing on stderr. Without a source (an
# option GTK takes for itself is gone before the program looks) the error box shows the usage, and
# no other window shows; a source without declarations, an empty one, a one-token one and a path
# that names no file give "Nothing to export." over the open progress window. A close request
# (WM_DELETE_WINDOW, sent for wmctrl -c and Alt+F4) ends a long scan at once.
source "$(dirname "$0")/lib.sh"

for args in "" "   " "--class=GantrellE2E"; do
  start ${args:+"$args"}
  [[ -n $args ]] || screenshot "$(wait_for_window Error)" gtk-error-box.png
  dismiss_error 'Parameter missed.\r\ngantrell.exe [FILENAME]'
  only_windows Error "with argument '$args' a window other than the error box was shown"
done

make_source 300 >"$work/plain.pb"
: >"$work/empty.pb"
printf 'x' >"$work/one.pb"
for source in plain.pb empty.pb one.pb missing.pb; do
  start "$work/$source"
  progress=$(wait_for_window "$banner")
  wait_for_window Error >/dev/null
  has_window "$banner" || fail "the progress window is gone while the error box is shown"
  (($(line_of "^unmap	$banner") == 0)) || fail "the progress window closed before the box"
  # The box's loop redraws the progress window; give the drawing its chance to complain.
  xdotool windowactivate --sync "$progress" >/dev/null 2>&1 || true
  dismiss_error 'Nothing to export.'
done
# The missing file gives an empty list: a bar over 0 .. 0 that stays at 0.
expect_probe "^unmap	$banner	label=	pad=0,0	bar=0\.\.0@0\$" "the empty list's bar is not at 0 of 0 .. 0"

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
echo "no save: ok"
