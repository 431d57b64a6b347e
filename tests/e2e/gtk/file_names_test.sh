#!/usr/bin/env bash
# File names that are not ASCII go to and from the file system as its own bytes: a source in
# "données/" opens the save dialog there, and names typed as "café.pbi" or "Жук.pbi" are
# written under exactly those names, next to each other.
source "$(dirname "$0")/lib.sh"

folder="$work/données"
mkdir -p "$folder"
make_source "$folder/lib.pb" 10 'ProcedureDLL Hello()'
"$CLI_BIN" "$folder/lib.pb" >"$work/expected.pb"
save_title='Save import header...'

for name in café.pbi Жук.pbi; do
  start_gui "$folder/lib.pb"
  dialog=$(wait_for_window "$save_title")
  type_into "$dialog" "$name"
  press "$dialog" Return
  wait_for_exit
  (($(line_of "^map	Error") == 0)) || fail "an error box after saving as $name"
  expect_probe "^unmap	$save_title	folder=$folder	" "the save dialog did not open in $folder"
  cmp "$work/expected.pb" "$folder/$name" || fail "$name was not written under its own name"
done
[[ $(find "$folder" -type f | wc -l) == 3 ]] || fail "other files appeared: $(ls "$folder")"
echo "file names: ok"
