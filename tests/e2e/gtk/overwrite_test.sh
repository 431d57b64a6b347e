#!/usr/bin/env bash
# Replacing an existing file needs a yes in the toolkit's question: declining returns to the
# save dialog, agreeing replaces the file. A file read in the run is refused even then, with
# "Can't overwrite a source file."; status 0 each time.
source "$(dirname "$0")/lib.sh"

mkdir -p "$work/src" "$work/out"
make_source "$work/src/lib.pb" 10 'IncludeFile "part.pbi"' 'ProcedureDLL Hello()'
printf 'ProcedureDLL Part()\r\n' >"$work/src/part.pbi"
"$CLI_BIN" "$work/src/lib.pb" >"$work/expected.pb"
cp "$work/src/lib.pb" "$work/src.keep"
cp "$work/src/part.pbi" "$work/part.keep"
printf 'old\n' >"$work/out/old.pb"
save_title='Save import header...'

# ask_to_replace PATH: runs a scan, answers the save dialog with PATH and waits for the
# question; its id goes to question, the dialog's to dialog.
ask_to_replace() {
  start_gui "$work/src/lib.pb"
  dialog=$(wait_for_window "$save_title")
  type_into "$dialog" "$1"
  press "$dialog" Return
  question=$(wait_for_window "")
  expect_probe "^map		.*already exists" "the question names no existing file"
}

# Declined: back in the save dialog, which is then cancelled; nothing is written.
ask_to_replace "$work/out/old.pb"
press "$question" Escape
deadline=$((SECONDS + 15))
while has_window ""; do
  ((SECONDS < deadline)) || fail "the question stays after Escape"
  sleep 0.05
done
has_window "$save_title" || fail "declining did not return to the save dialog"
press "$dialog" Escape
wait_for_exit
[[ $(cat "$work/out/old.pb") == old ]] || fail "declining still replaced the file"

# Agreed: the file is replaced.
ask_to_replace "$work/out/old.pb"
press "$question" Return
wait_for_exit
cmp "$work/expected.pb" "$work/out/old.pb" || fail "agreeing did not replace the file"

# A source file, the main one or an include, is refused even after a yes.
for source in lib.pb part.pbi; do
  ask_to_replace "$work/src/$source"
  press "$question" Return
  dismiss_error "Can't overwrite a source file."
  wait_for_exit
done
cmp "$work/src.keep" "$work/src/lib.pb" && cmp "$work/part.keep" "$work/src/part.pbi" ||
  fail "a source file was changed"
echo "overwrite: ok"
