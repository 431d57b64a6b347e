#!/usr/bin/env bash
# Runs that end in the error box, centred with its OK button focused, and status 0: without a
# source (an option GTK takes for itself is gone before the program looks) the usage text and no
# other window; a source without declarations, an empty one, a one-token one and a path that
# names no file show "Nothing to export." over the open progress window. Nothing on stderr.
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
  [[ ! -s $work/stderr ]] || fail "stderr for $source is not empty"
done
# The missing file gives an empty list: a bar over 0 .. 0 that stays at 0.
expect_probe "^unmap	$banner	label=	pad=0,0	bar=0\.\.0@0\$" "the empty list's bar is not at 0 of 0 .. 0"
echo "error box: ok"
