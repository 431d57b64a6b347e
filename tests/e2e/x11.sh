# shellcheck shell=bash
# Shared by the desktop programs' end-to-end tests (gtk/lib.sh, win32/lib.sh): waiting for,
# finding, focusing and picturing windows on the X display. The sourcing file defines fail and
# program_ended; window_pid, when set, limits the search to one process's windows.

# wait_until SECONDS WHAT COMMAND...: runs the command every 0.05 s until it succeeds; fails with
# WHAT after SECONDS.
wait_until() {
  local deadline=$((SECONDS + $1)) what=$2
  shift 2
  until "$@"; do
    ((SECONDS < deadline)) || fail "$what"
    sleep 0.05
  done
}

# window_ids TITLE: the visible windows whose whole title is TITLE, oldest first.
window_ids() {
  xdotool search --all --onlyvisible ${window_pid:+--pid "$window_pid"} \
    --name "^$(sed 's/[][\.*^$?+(){}|/]/\\&/g' <<<"$1")\$" 2>/dev/null || true
}
has_window() { [[ -n $(window_ids "$1") ]]; }

# wait_for_window TITLE [SECONDS]: prints the id of a window of that title once it shows.
wait_for_window() {
  wait_until "${2:-15}" "no window \"$1\" within ${2:-15} s" shown "$1"
  window_ids "$1" | head -n 1
}
shown() { ! program_ended || fail "the program ended before \"$1\" showed"; has_window "$1"; }

# focus WINDOW: gives the window the keyboard focus and waits until it has it.
focus() { xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1"; }
# press WINDOW KEY...: focuses the window and presses the keys.
press() { focus "$1" && xdotool key --clearmodifiers "${@:2}"; }

# screenshot WINDOW FILE [SETTLE]: when GANTRELL_SCREENSHOTS names a folder, saves a picture of
# the window with its frame there after letting it draw for SETTLE seconds (0.5). The pictures
# are for people: nothing waits on them.
screenshot() {
  [[ -n ${GANTRELL_SCREENSHOTS:-} ]] || return 0
  mkdir -p "$GANTRELL_SCREENSHOTS"
  sleep "${3:-0.5}"
  import -silent -window "$1" -frame "$GANTRELL_SCREENSHOTS/$2" 2>/dev/null ||
    import -silent -window "$1" "$GANTRELL_SCREENSHOTS/$2"
  echo "wrote $GANTRELL_SCREENSHOTS/$2"
}
