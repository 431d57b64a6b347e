#!/usr/bin/env bash
# Runs every end-to-end test of gantrell-win32.exe under wine, each with its own time limit.
#   run.sh EXE GANTRELL_CLI EXAMPLE_DIR
# Needs DISPLAY and WINEPREFIX; GANTRELL_SCREENSHOTS=DIR also saves pictures of the windows.
set -uo pipefail
exe=$1 cli=$2 example=$3
here=$(dirname "$0")
passed=0 failed=0
# The tests close and focus windows through the window manager: make sure one is there.
for ((i = 0; i < 300; i++)); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
  { echo "win32 e2e: no window manager on $DISPLAY" >&2; exit 1; }
run() {
  local name=$1; shift
  if timeout 180 bash "$here/$name.sh" "$@"; then
    passed=$((passed + 1))
  else
    echo "FAILED: $name" >&2
    failed=$((failed + 1))
  fi
}
run missing_argument "$exe"
run nothing_to_export "$exe"
run save_header "$exe" "$cli" "$example"
run real_sources "$exe"
run overwrite "$exe" "$cli" "$example"
run close_request "$exe"
# Wine's own helper processes of this prefix would outlive the display otherwise.
wineserver -k 2>/dev/null || true
echo "win32 e2e: $passed passed, $failed failed"
((failed == 0))
