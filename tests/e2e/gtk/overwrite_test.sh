#!/usr/bin/env bash
# Saving where a file is: replacing one needs a yes in the toolkit's question, a no returns to
# the save dialog. A file read in the run is refused even after a yes, with "Can't overwrite a
# source file."; a path that can't be created gives "Can't create file." and a device that
# refuses the bytes "Can't write file.", each once the progress window has gone. Status 0.
source "$(dirname "$0")/lib.sh"

mkdir -p "$work/src" "$work/out"
make_source 10 'IncludeFile "part.pbi"' 'ProcedureDLL Hello()' >"$work/src/lib.pb"
printf 'ProcedureDLL Part()\r\n' >"$work/src/part.pbi"
"$CLI_BIN" "$work/src/lib.pb" >"$work/expected.pb"
cp -R "$work/src" "$work/kept"
printf 'old\n' >"$work/out/old.pb"

# ask_to_replace PATH: answers the save dialog with PATH and waits for the question, whose id
# goes to question.
ask_to_replace() {
  save_as "$work/src/lib.pb" "$1"
  question=$(wait_for_window "")
  expect_probe "^map		.*already exists" "the question names no existing file"
}

# Declined: back in the save dialog, which is then cancelled; nothing is written.
ask_to_replace "$work/out/old.pb"
press "$question" Escape
question_gone() { ! has_window ""; }
wait_until 15 "the question stays after Escape" question_gone
has_window "$SAVE_TITLE" || fail "declining did not return to the save dialog"
press "$dialog" Escape
wait_for_exit
[[ $(cat "$work/out/old.pb") == old ]] || fail "declining still replaced the file"

# Agreed: a longer file is replaced as a whole.
head -c 20000 /dev/zero | tr '\0' 'x' >"$work/out/old.pb"
ask_to_replace "$work/out/old.pb"
press "$question" Return
wait_for_exit
cmp "$work/expected.pb" "$work/out/old.pb" || fail "agreeing did not replace the file"

# The source and its include, and the chooser's own folder check aside (it refuses a folder that
# does not exist), a folder where nothing can be created: /proc takes no new files, not even
# from root.
for target in src/lib.pb src/part.pbi /proc/gantrell-e2e.pb /dev/full; do
  case $target in
    src/*) path=$work/$target message="Can't overwrite a source file." ;;
    /proc/*) path=$target message="Can't create file." ;;
    *) path=$target message="Can't write file." ;;
  esac
  save_as "$work/src/lib.pb" "$path"
  if [[ -e $path ]]; then press "$(wait_for_window "")" Return; fi
  wait_for_window Error >/dev/null
  has_window "$BANNER" && fail "the progress window is still open under the error box"
  (($(line_of "^unmap	$BANNER") < $(line_of "^map	Error"))) ||
    fail "the error box came before the progress window closed"
  dismiss_error "$message"
done
diff -r "$work/kept" "$work/src" || fail "a source file was changed"
[[ ! -e /proc/gantrell-e2e.pb ]] || fail "a file appeared in /proc"
echo "overwrite and save failures: ok"
