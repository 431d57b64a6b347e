#!/usr/bin/env bash
# Takes the screenshots of gantrell-gtk kept in docs/screenshots: the progress window during a
# scan and the error box. Run it under scripts/with-display.sh:
#   b=build/src/ui/gtk
#   bash scripts/with-display.sh bash tests/e2e/gtk/take_screenshots.sh $b/gantrell-gtk \
#     build/gantrell-cli $b/libgantrell_widget_probe.so docs/screenshots
out=${4:?usage: take_screenshots.sh GANTRELL_GTK GANTRELL_CLI WIDGET_PROBE OUTDIR}
out=$(realpath "$out")
source "$(dirname "$0")/lib.sh"

# shoot WINDOW FILE: the window with its frame, as the user sees it.
shoot() {
  import -silent -frame -window "$1" "$2"
  echo "wrote $2 ($(identify -format '%wx%h' "$2"))"
}

# Progress: a declaration early on, then a long tail, so the status line has a name and the bar
# moves for a while.
{
  printf 'ProcedureDLL.l AddNumbers(a.l, b.l)\r\n  ProcedureReturn a + b\r\nEndProcedure\r\n'
  for ((i = 0; i < 5000; ++i)); do printf 'x = %d\r\n' "$i"; done
} >"$work/shot.pb"
start_gui "$work/shot.pb"
window=$(wait_for_window "$BANNER")
# Wait until the bar has moved a good part of its way.
deadline=$((SECONDS + 30))
# The filled part of the bar (mean about 0.4) is darker than its empty trough (about 0.76);
# wait until the fill has passed 40 % of the bar.
until import -silent -window "$window" -crop 4x4+160+38 -format '%[fx:mean]' info: |
  awk '{exit !($1 < 0.6)}'; do
  ((SECONDS < deadline)) || fail "the bar did not move"
  sleep 0.1
done
shoot "$window" "$out/gtk-progress-window.png"
wmctrl -i -c "$window"
wait_for_exit

start_gui
box=$(wait_for_window Error)
shoot "$box" "$out/gtk-error-box.png"
press "$box" Return
wait_for_exit
