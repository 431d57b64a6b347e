#!/usr/bin/env bash
# gantrell-gtk without a source: the error box with the usage text, no progress window, status 0.
source "$(dirname "$0")/lib.sh"

usage='Parameter missed.\r\ngantrell.exe [FILENAME]'
# No argument; an argument of spaces; and an option that GTK takes for itself, which is gone
# before the program looks for its argument.
for args in "" "   " "--class=GantrellE2E"; do
  if [[ -z $args ]]; then start_gui; else start_gui "$args"; fi
  dismiss_error "$usage"
  wait_for_exit
  [[ $(probe_lines | cut -f1,2 | sort -u) == "map	Error"$'\n'"unmap	Error" ]] ||
    fail "with argument '$args' a window other than the error box was shown"
done
echo "usage box: ok"
