# Shared helpers of the gantrell-gtk end-to-end tests. Source it with the test's arguments:
#   GANTRELL_GTK GANTRELL_CLI WIDGET_PROBE
# The tests need an X display with a window manager (scripts/with-display.sh provides both);
# without one they are skipped (exit status 77).
set -euo pipefail

GTK_BIN=$1
CLI_BIN=$2
PROBE=$3
BANNER="Gantrell - PureBasic DLL import header generator"

if [[ -z ${DISPLAY:-} ]] || ! xdpyinfo >/dev/null 2>&1; then
  echo "no X display: skipped (run under scripts/with-display.sh)"
  exit 77
fi

work=$(mktemp -d)
gui_pid=""
cleanup() {
  if [[ -n $gui_pid ]] && kill -0 "$gui_pid" 2>/dev/null; then kill "$gui_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
# GTK keeps its recently-used list under the data home; give it one of its own.
export XDG_DATA_HOME=$work/data
mkdir -p "$XDG_DATA_HOME"

fail() {
  echo "FAIL: $*" >&2
  if [[ -s $work/probe.log ]]; then echo "--- windows seen:" >&2; cat "$work/probe.log" >&2; fi
  if [[ -s $work/stderr ]]; then echo "--- stderr:" >&2; cat "$work/stderr" >&2; fi
  exit 1
}

# start_gui ARG...: starts gantrell-gtk with the widget probe; its pid goes to gui_pid.
start_gui() {
  : >"$work/probe.log"
  GTK_MODULES=$PROBE GANTRELL_PROBE_LOG=$work/probe.log "$GTK_BIN" "$@" \
    >"$work/stdout" 2>"$work/stderr" &
  gui_pid=$!
}

# start_gui_plain ARG...: starts gantrell-gtk without the probe.
start_gui_plain() {
  : >"$work/probe.log"
  "$GTK_BIN" "$@" >"$work/stdout" 2>"$work/stderr" &
  gui_pid=$!
}

# wait_for_window TITLE [SECONDS]: prints the id of the program's visible window of that exact
# title once it is there.
wait_for_window() {
  local title=$1 deadline=$((SECONDS + ${2:-15})) ids
  while ((SECONDS < deadline)); do
    ids=$(xdotool search --all --onlyvisible --pid "$gui_pid" --name "^${title//./\\.}\$" \
      2>/dev/null || true)
    if [[ -n $ids ]]; then
      echo "${ids%%$'\n'*}"
      return 0
    fi
    kill -0 "$gui_pid" 2>/dev/null || fail "gantrell-gtk ended before showing \"$title\""
    sleep 0.05
  done
  fail "no window \"$title\" within ${2:-15} s"
}

# has_window TITLE: tells whether the program shows a window of that exact title now.
has_window() {
  [[ -n $(xdotool search --all --onlyvisible --pid "$gui_pid" --name "^${1//./\\.}\$" \
    2>/dev/null || true) ]]
}

# wait_for_exit [SECONDS]: waits for the program to end and checks its status is 0.
wait_for_exit() {
  local deadline=$((SECONDS + ${1:-15})) status=0
  while kill -0 "$gui_pid" 2>/dev/null; do
    ((SECONDS < deadline)) || fail "gantrell-gtk still running after ${1:-15} s"
    sleep 0.05
  done
  wait "$gui_pid" || status=$?
  gui_pid=""
  ((status == 0)) || fail "exit status $status, expected 0"
}

# press WINDOW KEY...: gives the window the keyboard focus and presses the keys.
press() {
  local window=$1
  shift
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
  xdotool key --clearmodifiers "$@"
}

# type_into WINDOW TEXT: types text into the focused control of a window.
type_into() {
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
  xdotool type --clearmodifiers --delay 5 "$2"
}

# probe_lines: what the probe recorded, one line per window mapped or unmapped.
probe_lines() { cat "$work/probe.log"; }

# expect_probe REGEX WHAT: the probe recorded a line matching the extended regex.
expect_probe() {
  grep -qE "$1" "$work/probe.log" || fail "$2"
}

# line_of REGEX: the number of the first probe line that matches, or 0.
line_of() {
  local n
  n=$(grep -nE "$1" "$work/probe.log" | head -1 | cut -d: -f1)
  echo "${n:-0}"
}

# dismiss_error TEXT: the error box shows TEXT (as the probe writes it), centred, with its OK
# button focused; presses the button with the keyboard.
dismiss_error() {
  local box
  box=$(wait_for_window Error)
  grep -qxF "map	Error	label=$1	pad=10,10	button=gtk-ok	focus=gtk-ok" "$work/probe.log" ||
    fail "the error box does not show \"$1\" with its OK button focused"
  expect_centred "$box" "the error box"
  press "$box" Return
}

# expect_centred WINDOW WHAT: the window's client area is centred on the screen, give or take
# the window manager's title bar.
expect_centred() {
  local info x y width height screen_w screen_h
  info=$(xwininfo -id "$1")
  x=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
  y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
  width=$(sed -n 's/^ *Width: *//p' <<<"$info")
  height=$(sed -n 's/^ *Height: *//p' <<<"$info")
  read -r screen_w screen_h < <(xdotool getdisplaygeometry)
  local dx=$((2 * x + width - screen_w)) dy=$((2 * y + height - screen_h))
  ((dx * dx <= 60 * 60 && dy * dy <= 60 * 60)) ||
    fail "$2 is not centred: ${width}x${height} at ${x},${y} on ${screen_w}x${screen_h}"
}

# make_source FILE LINES [DECLARATIONS]: a source of LINES statements of 4 tokens each, with
# the given declaration lines after them.
make_source() {
  local file=$1 lines=$2
  shift 2
  {
    for ((i = 0; i < lines; ++i)); do printf 'x = %d\r\n' "$i"; done
    for declaration in "$@"; do printf '%s\r\n  ProcedureReturn 0\r\nEndProcedure\r\n' "$declaration"; done
  } >"$file"
}
