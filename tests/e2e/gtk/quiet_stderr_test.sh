#!/usr/bin/env bash
# An empty source (one token) and a one-token source draw their progress window without any
# GTK or GLib warning on stderr, and end with status 0.
source "$(dirname "$0")/lib.sh"

: >"$work/empty.pb"
printf 'x' >"$work/one.pb"
for source in "$work/empty.pb" "$work/one.pb"; do
  start_gui_plain "$source"
  progress=$(wait_for_window "$BANNER")
  box=$(wait_for_window Error)
  # The box's loop redraws the progress window; give the drawing its chance to complain.
  xdotool windowactivate --sync "$progress" >/dev/null 2>&1 || true
  press "$box" Return
  wait_for_exit
  [[ ! -s $work/stderr ]] || fail "stderr for $(basename "$source") is not empty"
done
echo "quiet stderr: ok"
