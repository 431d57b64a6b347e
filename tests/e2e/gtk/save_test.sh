#!/usr/bin/env bash
# The save dialog after a scan with declarations. It opens in the source's folder, whose name is
# not ASCII, with the two filters; a name typed there, with no extension or not in ASCII, gets
# exactly the bytes gantrell-cli writes, under exactly that name. A project with ProcedureCDLL
# exports gets its Import and ImportC blocks. Cancel writes nothing. Replacing a file needs a yes
# in the toolkit's question, a no returns to the dialog. A file read in the run is refused even
# after a yes; a path that can't be created and a device that refuses the bytes give their errors,
# each once the progress window has gone. Status 0 every time.
source "$(dirname "$0")/lib.sh"

folder="$work/données"
mkdir -p "$folder"
make_source 20 'IncludeFile "part.pbi"' 'ProcedureDLL.l Add(a.l, b.l)' 'ProcedureDLL Hello()' >"$folder/lib.pb"
printf 'ProcedureDLL Part()\r\n' >"$folder/part.pbi"
"$CLI_BIN" "$folder/lib.pb" >"$work/expected.pb"
cat "$folder/lib.pb" "$folder/part.pbi" >"$work/kept"
last=$(($("$CLI_BIN" --tokens "$folder/lib.pb" | wc -l) - 1))
pb='PureBasic File \(\*\.pb\)'
for name in header café.pbi Жук.pbi; do
  save_as "$folder/lib.pb" "$name"
  wait_exit
  (($(line_of "^map	Error") == 0)) || fail "an error box after saving as $name"
  cmp "$work/expected.pb" "$folder/$name" || fail "$name was not written under its own name"
  expect_probe "^unmap	$save_title	folder=$folder	filter=$pb	filter=All files	current-filter=$pb\$" \
    "the save dialog's folder or filters are wrong"
  # The status line showed the last declaration and the bar had reached its end.
  expect_probe "^unmap	$banner	label=Found: Hello	pad=0,0	bar=0\.\.$last@$last\$" \
    "the progress window did not end with \"Found: Hello\" and a full bar"
  (($(line_of "^map	$save_title") < $(line_of "^unmap	$banner"))) ||
    fail "the progress window closed before the save dialog"
done
start "$folder/lib.pb"
press "$(wait_for_window "$save_title")" alt+c
wait_exit
(($(line_of "^map	Error") == 0)) || fail "an error box after Cancel"
[[ $(find "$folder" -type f | wc -l) == 5 ]] || fail "other files appeared: $(ls "$folder")"

# An include found beside the main source rather than beside its including file.
cp -R "$(dirname "$0")/../../corpus/desktop_imports" "$work/project"
save_as "$work/project/main.pb" "$work/project/imports.pbi"
wait_exit
cmp "$work/project/expected.pbi" "$work/project/imports.pbi" || fail "the saved blocks differ"
expect_probe "^unmap	$banner	label=Found: Mix2	" "the status line did not end with \"Found: Mix2\""

# Declined, then cancelled: nothing is written. Agreed: a longer file is replaced as a whole.
head -c 20000 /dev/zero | tr '\0' 'x' >"$folder/old.pb"
cp "$folder/old.pb" "$work/older.pb"
for key in Escape Return; do
  save_as "$folder/lib.pb" old.pb
  question=$(wait_for_window "")
  expect_probe "^map		.*already exists" "the question names no existing file"
  press "$question" $key
  if [[ $key == Escape ]]; then
    wait_until 15 "the question stays after Escape" eval '! has_window ""'
    has_window "$save_title" || fail "declining did not return to the save dialog"
    press "$dialog" Escape
    wait_exit
    cmp "$work/older.pb" "$folder/old.pb" || fail "declining still replaced the file"
  else
    wait_exit
    cmp "$work/expected.pb" "$folder/old.pb" || fail "agreeing did not replace the file"
  fi
done

# The source and its include, and (the chooser refuses a folder that does not exist) a folder
# where nothing can be created: /proc takes no new files, not even from root.
while IFS='|' read -r -u 3 path message; do
  save_as "$folder/lib.pb" "$path"
  [[ $path == /proc/* ]] || press "$(wait_for_window "")" Return
  wait_for_window Error >/dev/null
  ! has_window "$banner" || fail "the progress window is still open under the error box"
  (($(line_of "^unmap	$banner") < $(line_of "^map	Error"))) ||
    fail "the error box came before the progress window closed"
  dismiss_error "$message"
done 3<<END
lib.pb|Can't overwrite a source file.
part.pbi|Can't overwrite a source file.
/proc/gantrell-e2e.pb|Can't create file.
/dev/full|Can't write file.
END
cat "$folder/lib.pb" "$folder/part.pbi" | cmp -s - "$work/kept" || fail "a source file was changed"
[[ ! -e /proc/gantrell-e2e.pb ]] || fail "a file appeared in /proc"
echo "save dialog: ok"
