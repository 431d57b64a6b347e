#!/usr/bin/env bash
# A path that cannot be created gives "Can't create file." after the progress window has gone;
# a device that refuses the bytes gives "Can't write file."; status 0 both times.
source "$(dirname "$0")/lib.sh"

make_source "$work/lib.pb" 10 'ProcedureDLL Hello()'
save_title='Save import header...'

# answer_and_expect PATH TEXT
answer_and_expect() {
  start_gui "$work/lib.pb"
  dialog=$(wait_for_window "$save_title")
  type_into "$dialog" "$1"
  press "$dialog" Return
  # An existing target is replaced only after a yes to the toolkit's question.
  if [[ -e $1 ]]; then press "$(wait_for_window "")" Return; fi
  wait_for_window Error >/dev/null
  has_window "$BANNER" && fail "the progress window is still open under the error box"
  (($(line_of "^unmap	$BANNER") < $(line_of "^map	Error"))) ||
    fail "the error box came before the progress window closed"
  dismiss_error "$2"
  wait_for_exit
}

# The chooser itself refuses a folder that does not exist, so an existing folder in which
# nothing can be created stands for it: /proc takes no new files, not even from root.
answer_and_expect /proc/gantrell-e2e.pb "Can't create file."
[[ ! -e /proc/gantrell-e2e.pb ]] || fail "a file appeared in /proc"
answer_and_expect /dev/full "Can't write file."
echo "save failures: ok"
