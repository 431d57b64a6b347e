#!/usr/bin/env bash
# Replacing an existing file needs a yes in the system's question: a no returns to the save
# dialog, a yes replaces the file. A file read in the run is refused even then, with "Can't
# overwrite a source file."; status 0 each time.
#   overwrite.sh EXE GANTRELL_CLI EXAMPLE_DIR
set -euo pipefail
exe=$1 cli=$2 example=$3
source "$(dirname "$0")/lib.sh"
make_workdir

sources="$workdir/my sources"
mkdir -p "$sources"
cp "$example"/*.pb "$example"/*.pbi "$sources/"
main=$(cd "$sources" && ls *.pb | head -n 1)
include=$(cd "$sources" && ls *.pbi | head -n 1)
"$cli" "$sources/$main" >"$workdir/expected"
cp -r "$sources" "$workdir/kept"
printf 'old\r\n' >"$sources/old.pb"
title="Save import header..."

# save_over NAME: runs a scan, types NAME into the save dialog and waits for the question.
save_over() {
  start_program "$(winepath -w "$sources/$main")"
  dialog=$(wait_window "$title" 60)
  focus_window "$dialog"
  xdotool type --delay 30 "$1"
  xdotool key Return
  local deadline=$((SECONDS + 30))
  until message_texts | grep -q "already exists"; do
    ((SECONDS < deadline)) || fail "no question before replacing $1"
    sleep 0.1
  done
}

# The question has the same title as the dialog: the newest of the two windows is it.
answer_question() {
  local question
  question=$(xdotool search --onlyvisible --name "^$(regex_quote "$title")\$" | tail -n 1)
  focus_window "$question"
  xdotool key "$1"
}

# No: back in the dialog, which is then cancelled; nothing is written.
save_over old.pb
answer_question n
deadline=$((SECONDS + 30))
while (($(xdotool search --onlyvisible --name "^$(regex_quote "$title")\$" | wc -l) != 1)); do
  ((SECONDS < deadline)) || fail "the question stayed after No"
  sleep 0.1
done
focus_window "$dialog"
xdotool key Escape
[[ $(wait_exit 30) == 0 ]] || fail "exit status after No and Cancel"
[[ $(cat "$sources/old.pb") == $'old\r' ]] || fail "No still replaced the file"

# Yes: the file is replaced.
save_over old.pb
answer_question y
[[ $(wait_exit 30) == 0 ]] || fail "exit status after Yes"
cmp "$workdir/expected" "$sources/old.pb" || fail "Yes did not replace the file"

# A source file, the main one or an include, is refused even after a yes.
for name in "$main" "$include"; do
  save_over "$name"
  answer_question y
  box=$(wait_window "Error" 30)
  focus_window "$box"
  xdotool key Return
  [[ $(wait_exit 30) == 0 ]] || fail "exit status after refusing $name"
  [[ $(message_texts | tail -n 1) == "Can't overwrite a source file." ]] ||
    fail "the box said: $(message_texts | tail -n 1)"
done
for file in "$workdir/kept"/*; do
  cmp "$file" "$sources/$(basename "$file")" || fail "$(basename "$file") was changed"
done
echo "ok: overwrite question and sources refused"
