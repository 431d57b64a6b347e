#!/usr/bin/env bash
# A source without declarations, and a path that names no file: the progress window opens and
# "Nothing to export." is shown while it is still open; status 0.
source "$(dirname "$0")/lib.sh"

make_source "$work/plain.pb" 300
for source in "$work/plain.pb" "$work/missing.pb"; do
  start_gui "$source"
  wait_for_window Error >/dev/null
  has_window "$BANNER" || fail "the progress window is gone while the error box is shown"
  (($(line_of "^map	$BANNER") > 0)) || fail "no progress window for $source"
  (($(line_of "^unmap	$BANNER") == 0)) || fail "the progress window closed before the box"
  dismiss_error 'Nothing to export.'
  wait_for_exit
done
# The missing file gives an empty list: a bar over 0 .. 0 that stays at 0.
expect_probe "^unmap	$BANNER	label=	pad=0,0	bar=0\.\.0@0\$" \
  "the empty list's bar is not at 0 of 0 .. 0"
echo "nothing to export: ok"
