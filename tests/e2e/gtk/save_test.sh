#!/usr/bin/env bash
# The save dialog after a scan with declarations, status 0 and no message each time. It opens in
# the source's folder, whose name is not ASCII, with the two filters; a name typed there, with
# no extension or not in ASCII, gets exactly the bytes gantrell-cli writes, under exactly that
# name. A project with ProcedureCDLL exports gets its Import and ImportC blocks. Cancel writes
# nothing.
source "$(dirname "$0")/lib.sh"

folder="$work/données"
mkdir -p "$folder"
make_source 20 'ProcedureDLL.l Add(a.l, b.l)' 'ProcedureDLL Hello()' >"$folder/lib.pb"
"$CLI_BIN" "$folder/lib.pb" >"$work/expected.pb"
last=$(($("$CLI_BIN" --tokens "$folder/lib.pb" | wc -l) - 1))
pb='PureBasic File \(\*\.pb\)'
for name in header café.pbi Жук.pbi; do
  save_as "$folder/lib.pb" "$name"
  wait_for_exit
  (($(line_of "^map	Error") == 0)) || fail "an error box after saving as $name"
  cmp "$work/expected.pb" "$folder/$name" || fail "$name was not written under its own name"
  expect_probe "^unmap	$SAVE_TITLE	folder=$folder	filter=$pb	filter=All files	current-filter=$pb\$" \
    "the save dialog's folder or filters are wrong"
  # The status line showed the last declaration and the bar had reached its end.
  expect_probe "^unmap	$BANNER	label=Found: Hello	pad=0,0	bar=0\.\.$last@$last\$" \
    "the progress window did not end with \"Found: Hello\" and a full bar"
  (($(line_of "^map	$SAVE_TITLE") < $(line_of "^unmap	$BANNER"))) ||
    fail "the progress window closed before the save dialog"
done
[[ $(find "$folder" -type f | wc -l) == 4 ]] || fail "other files appeared: $(ls "$folder")"

# A DLL project as its authors lay it out: an include found beside the main source rather than
# beside its including file, and ProcedureCDLL exports.
cp -R "$(dirname "$0")/../../corpus/desktop_imports" "$work/project"
save_as "$work/project/main.pb" "$work/project/imports.pbi"
wait_for_exit
cmp "$work/project/expected.pbi" "$work/project/imports.pbi" || fail "the saved blocks differ"
expect_probe "^unmap	$BANNER	label=Found: Mix2	" "the status line did not end with \"Found: Mix2\""

start_gui "$folder/lib.pb"
press "$(wait_for_window "$SAVE_TITLE")" alt+c
wait_for_exit
[[ $(find "$folder" -type f | wc -l) == 4 ]] || fail "Cancel wrote a file"
(($(line_of "^map	Error") == 0)) || fail "an error box after Cancel"
echo "save dialog: ok"
