# Helpers for the end-to-end tests of gantrell-win32.exe under wine, sourced by each test.
# The caller provides an X display (DISPLAY) and a wine prefix (WINEPREFIX) that wineboot has
# set up; every wait here ends at a deadline.

export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

fail() {
  echo "FAIL: $*" >&2
  [[ -n ${program_log:-} && -f $program_log ]] && sed 's/^/  wine: /' "$program_log" >&2
  exit 1
}

# A scratch folder for one test, removed when the test ends; its name holds a space.
make_workdir() {
  workdir=$(mktemp -d "${TMPDIR:-/tmp}/gantrell e2e.XXXXXX")
  trap 'stop_program; rm -rf "$workdir"' EXIT
  trap 'exit 1' TERM INT
}

# Starts the program in the background with the given arguments. The message boxes' texts are
# traced into $program_log; the exit status goes to $program_status_file when it ends.
start_program() {
  program_log=$workdir/wine.log
  program_status_file=$workdir/status
  rm -f "$program_status_file"
  ( WINEDEBUG=-all,trace+msgbox wine "$exe" "$@" >"$program_log" 2>&1
    echo $? >"$program_status_file" ) &
  program_pid=$!
}

# Ends a program that is still running: our subshell and the wine process it started.
stop_program() {
  if [[ -n ${program_pid:-} ]] && kill -0 "$program_pid" 2>/dev/null; then
    pkill -P "$program_pid" 2>/dev/null || true
    kill "$program_pid" 2>/dev/null || true
  fi
}

# Waits until the program has ended and prints its exit status; fails after SECONDS.
wait_exit() {
  local seconds=$1 deadline=$((SECONDS + $1))
  while ((SECONDS < deadline)); do
    if [[ -s $program_status_file ]]; then cat "$program_status_file"; return 0; fi
    sleep 0.1
  done
  fail "the program did not end within $seconds s"
}

# Prints the id of a visible window whose whole title is TITLE; fails after SECONDS.
wait_window() {
  local title=$1 seconds=$2 deadline=$((SECONDS + $2)) id
  while ((SECONDS < deadline)); do
    id=$(xdotool search --onlyvisible --name "^$(regex_quote "$title")\$" 2>/dev/null | head -n 1)
    if [[ -n $id ]]; then echo "$id"; return 0; fi
    if [[ -s $program_status_file ]]; then fail "the program ended before \"$title\" showed"; fi
    sleep 0.1
  done
  fail "no window \"$title\" within $seconds s"
}

# Tells whether a visible window with exactly this title exists now.
window_exists() {
  xdotool search --onlyvisible --name "^$(regex_quote "$1")\$" >/dev/null 2>&1
}

regex_quote() { printf '%s' "$1" | sed 's/[][\.*^$?+(){}|/]/\\&/g'; }

# Waits until the window manager has taken the window on (it sets WM_STATE); fails after SECONDS.
wait_managed() {
  local id=$1 seconds=$2 deadline=$((SECONDS + $2))
  while ((SECONDS < deadline)); do
    xprop -id "$id" WM_STATE 2>/dev/null | grep -q 'Normal' && return 0
    sleep 0.1
  done
  fail "the window manager did not take window $id within $seconds s"
}

# Gives a window the keyboard focus and waits until it has it.
focus_window() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1"
}

# The texts of the message boxes shown so far, one per line, as wine traced them.
message_texts() {
  sed -n 's/.*trace:msgbox:MSGBOX_OnInit L"\(.*\)"$/\1/p' "$program_log" 2>/dev/null
}

# answer_box BOX TEXT LABEL: presses OK in the message box, then checks that the program ends
# with status 0 and that the box said exactly TEXT.
answer_box() {
  focus_window "$1"
  xdotool key Return
  local status
  status=$(wait_exit 30)
  [[ $status == 0 ]] || fail "exit status $status ($3)"
  [[ $(message_texts) == "$2" ]] || fail "box said: $(message_texts) ($3)"
}

# copy_example EXAMPLE_DIR: copies the example's sources into "$workdir/my sources" (a path with
# a space); sets `sources` to that folder and `main` to its main file's name.
copy_example() {
  sources="$workdir/my sources"
  mkdir -p "$sources"
  cp "$1"/*.pb "$1"/*.pbi "$sources/"
  main=$(cd "$sources" && ls *.pb | head -n 1)
}

# save_as DIALOG NAME: types NAME into the save dialog and presses Enter, then checks that the
# program ends with status 0 without any message.
save_as() {
  focus_window "$1"
  # The name field has the focus and starts empty; the folder is the source's.
  xdotool type --delay 30 "$2"
  xdotool key Return
  local status
  status=$(wait_exit 30)
  [[ $status == 0 ]] || fail "exit status $status"
  [[ -z $(message_texts) ]] || fail "a message showed: $(message_texts)"
}

# Saves a picture of one window into the screenshot folder, when one is asked for, after letting
# it draw for SETTLE seconds (0.5 by default). The pictures are for people: nothing waits on them.
screenshot() {
  local id=$1 name=$2 settle=${3:-0.5}
  [[ -n ${GANTRELL_SCREENSHOTS:-} ]] || return 0
  mkdir -p "$GANTRELL_SCREENSHOTS"
  sleep "$settle"
  import -window "$id" -frame "$GANTRELL_SCREENSHOTS/$name" 2>/dev/null ||
    import -window root -crop "$(xdotool getwindowgeometry --shell "$id" |
      awk -F= '/WIDTH|HEIGHT|^X|^Y/ {v[$1]=$2} END {printf "%dx%d+%d+%d", v["WIDTH"], v["HEIGHT"], v["X"], v["Y"]}')" \
      "$GANTRELL_SCREENSHOTS/$name"
}
