#!/usr/bin/env bash
# Runs a command with an X display: the current one, or a private Xvfb with a window manager
# that is stopped again when the command ends.
set -euo pipefail
if [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1; then exec "$@"; fi
for n in $(seq 90 140); do
  [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] || break
done
# -noreset: without it the server resets when its first client (xdpyinfo below) leaves, and a
# window manager that connects during the reset fails to open the display.
Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$n"
cleanup() { kill "${wm:-}" "$xvfb" 2>/dev/null || true; wait 2>/dev/null || true; }
trap cleanup EXIT
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { echo "with-display: Xvfb did not start" >&2; exit 1; }
openbox >/dev/null 2>&1 &
wm=$!
# The window manager is ready once it has claimed the screen.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
"$@"
