# shellcheck shell=bash
# Shared by the desktop programs' end-to-end tests (gtk/lib.sh, win32/run.sh): a scratch folder
# whose name holds a space, the program run in the background, its windows found, focused and
# waited for, every wait with a deadline. The sourcing file sets program (the command without the
# source) and may set own_windows (search the program's windows only) and redefine host_path.
set -euo pipefail
work=$(mktemp -d "${TMPDIR:-/tmp}/gantrell e2e.XXXXXX")
pid=""
trap '[[ -z $pid ]] || kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
trap 'exit 1' TERM INT
banner="Gantrell - PureBasic DLL import header generator" save_title="Save import header..."
# host_path FILE: FILE as the program names it.
host_path() { echo "$1"; }

fail() {
  echo "FAIL: $*" >&2
  for log in probe.log stderr; do [[ ! -s $work/$log ]] || { echo "--- $log:"; cat "$work/$log"; } >&2; done
  exit 1
}

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

# start ARG...: starts the program; its output goes to stdout and stderr in the scratch folder.
start() {
  : >"$work/probe.log"
  # shellcheck disable=SC2154  # the sourcing file sets program
  "${program[@]}" "$@" >"$work/stdout" 2>"$work/stderr" &
  pid=$!
}
program_ended() { ! kill -0 "$pid" 2>/dev/null; }
# wait_exit: the program ends within 30 s, with status 0.
wait_exit() {
  wait_until 30 "the program still runs after 30 s" program_ended
  wait "$pid" || fail "exit status $?"
  pid=""
}

# window_ids TITLE: the visible windows whose whole title is TITLE, oldest first.
window_ids() {
  xdotool search --all --onlyvisible ${own_windows:+--pid "$pid"} \
    --name "^$(sed 's/[][\.*^$?+(){}|/]/\\&/g' <<<"$1")\$" 2>/dev/null || true
}
has_window() { [[ -n $(window_ids "$1") ]]; }
# wait_for_window TITLE: prints the id of a window of that title once it shows, within 60 s.
wait_for_window() {
  wait_until 60 "no window \"$1\" within 60 s" shown "$1"
  window_ids "$1" | head -n 1
}
shown() { ! program_ended || fail "the program ended before \"$1\" showed"; has_window "$1"; }
# press WINDOW KEY...: gives the window the keyboard focus, waits until it has it, presses the keys.
focus() { xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1"; }
press() { focus "$1" && xdotool key --clearmodifiers "${@:2}"; }

# save_as SOURCE NAME [ARG...]: runs the program on SOURCE (and the ARGs) and types NAME and
# Enter into its save dialog, whose id goes to dialog (pictured as $shot, if set); the progress
# window is open under it. A character outside the keyboard map is typed through a key mapped
# to it for that moment; the toolkit must see the new map before the key comes: those go slowly.
save_as() {
  start "$(host_path "$1")" "${@:3}"
  dialog=$(wait_for_window "$save_title")
  has_window "$banner" || fail "the progress window was gone while the save dialog showed"
  [[ -z ${shot:-} ]] || screenshot "$dialog" "$shot"
  focus "$dialog"
  local delay=30
  [[ $2 != *[![:ascii:]]* ]] || delay=80
  xdotool type --clearmodifiers --delay "$delay" "$2"
  press "$dialog" Return
}

# screenshot WINDOW FILE [SETTLE]: when GANTRELL_SCREENSHOTS names a folder, saves a picture of
# the window with its frame there after SETTLE seconds (0.5). Nothing waits on the pictures.
screenshot() {
  [[ -n ${GANTRELL_SCREENSHOTS:-} ]] || return 0
  mkdir -p "$GANTRELL_SCREENSHOTS" && sleep "${3:-0.5}" && set -- "$1" "$GANTRELL_SCREENSHOTS/$2"
  import -silent -window "$1" -frame "$2" 2>/dev/null || import -silent -window "$1" "$2"
  echo "wrote $2"
}
