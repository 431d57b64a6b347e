# shellcheck shell=bash
# Shared helpers of the gantrell-gtk end-to-end tests, sourced with the test's arguments
# GANTRELL_GTK GANTRELL_CLI WIDGET_PROBE. Without an X display with a window manager (as
# scripts/with-display.sh gives) they are skipped, status 77. The widget probe writes a line to
# probe.log for each window mapped or unmapped. GANTRELL_SCREENSHOTS=DIR renews docs/screenshots.
export CLI_BIN=$2
if [[ -z ${DISPLAY:-} ]] || ! xdpyinfo >/dev/null 2>&1; then
  echo "no X display: skipped (run under scripts/with-display.sh)"
  exit 77
fi
source "$(dirname "${BASH_SOURCE[0]}")/../x11.sh"
program=(env "GTK_MODULES=$3" "GANTRELL_PROBE_LOG=$work/probe.log" "$1") own_windows=1
# GTK keeps its recently-used list under the data home; give it one of its own.
export XDG_DATA_HOME=$work/data
mkdir "$XDG_DATA_HOME"

# expect_probe REGEX WHAT: the probe recorded a line matching the extended regex.
expect_probe() { grep -qE "$1" "$work/probe.log" || fail "$2"; }
# line_of REGEX: the number of the first probe line that matches, or 0.
line_of() { grep -nE "$1" "$work/probe.log" | sed -n '1s/:.*//p' | grep . || echo 0; }
# only_windows TITLE WHAT: no window but TITLE's was shown.
only_windows() {
  [[ $(cut -f1,2 "$work/probe.log" | sort -u) == "map	$1"$'\n'"unmap	$1" ]] || fail "$2"
}

# dismiss_error TEXT: the error box shows TEXT (as the probe writes it), centred, with its OK
# button focused; presses the button with the keyboard; the program ends, silent on stderr.
dismiss_error() {
  local box
  box=$(wait_for_window Error)
  grep -qxF "map	Error	label=$1	pad=10,10	button=gtk-ok	focus=gtk-ok" "$work/probe.log" ||
    fail "the error box does not show \"$1\" with its OK button focused"
  expect_centred "$box" "the error box"
  press "$box" Return
  wait_exit
  [[ ! -s $work/stderr ]] || fail "a message on stderr"
}

# expect_centred WINDOW WHAT [WIDTHxHEIGHT]: the window's client area is centred on the screen,
# give or take the window manager's title bar, and has that size.
expect_centred() {
  local x y width height screen_w screen_h
  read -r x y width height < <(xwininfo -id "$1" |
    sed -n 's/^ *\(Absolute upper-left [XY]\|Width\|Height\): *//p' | paste -sd ' ')
  read -r screen_w screen_h < <(xdotool getdisplaygeometry)
  local dx=$((2 * x + width - screen_w)) dy=$((2 * y + height - screen_h))
  ((dx * dx <= 60 * 60 && dy * dy <= 60 * 60)) ||
    fail "$2 is not centred: ${width}x${height} at ${x},${y} on ${screen_w}x${screen_h}"
  [[ ${3:-${width}x$height} == "${width}x$height" ]] || fail "$2 is ${width}x$height, not $3"
}

# make_source LINES [LINE...]: a source of LINES statements of 4 tokens each, then the lines.
make_source() { seq 0 $(($1 - 1)) | sed 's/.*/x = &\r/'; printf '%s\r\n' "${@:2}"; }
