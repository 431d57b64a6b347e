#!/usr/bin/env bash
# The save dialog after a scan with declarations, status 0 every time. It opens in the source's
# folder, whose name is not ASCII, with the two filters; a name typed there, ASCII or not, gets
# exactly the bytes gantrell-cli writes under exactly that name; Cancel writes nothing. A file
# that is there is replaced only after a yes in the toolkit's question. Files read in the run,
# paths that can't be created and a full device give their errors once the progress window is gone.
source "$(dirname "$0")/lib.sh"

folder="$work/données"
mkdir -p "$folder"
make_source 20 'IncludeFile "part.pbi"' 'ProcedureDLL.l Add(a.l, b.l)' 'ProcedureDLL Hello()' >"$folder/lib.pb"
printf 'ProcedureDLL Part()\r\n' >"$folder/part.pbi"
"$CLI_BIN" "$folder/lib.pb" >"$work/expected.pb"
cat "$folder/lib.pb" "$folder/part.pbi" >"$work/sources"
last=$(($("$CLI_BIN" --tokens "$folder/lib.pb" | wc -l) - 1))
pb='PureBasic File \(\*\.pb\)'
for name in header café.pbi Жук.pbi; do
  save_as "$folder/lib.pb" "$name"
  wait_exit
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
[[ $(find "$folder" -type f | wc -l) == 5 ]] || fail "other files appeared: $(ls "$folder")"

# A DLL project: an include found beside the main source rather than beside its including file,
# and ProcedureCDLL exports in an ImportC block.
cp -R "$(dirname "$0")/../../corpus/desktop_imports" "$work/project"
save_as "$work/project/main.pb" "$work/project/imports.pbi"
wait_exit
cmp "$work/project/expected.pbi" "$work/project/imports.pbi" || fail "the saved blocks differ"
expect_probe "^unmap	$banner	label=Found: Mix2	" "the status line did not end with \"Found: Mix2\""

head -c 20000 /dev/zero | tr '\0' 'x' | tee "$folder/old.pb" >"$work/old.pb"
for answer in Escape:old.pb Return:expected.pb; do
  save_as "$folder/lib.pb" old.pb
  press "$(wait_for_window "")" "${answer%:*}"
  expect_probe "^map		.*already exists" "the question names no existing file"
  if [[ $answer == Escape:* ]]; then
    wait_until 15 "the question stays after Escape" eval '! has_window ""'
    has_window "$save_title" || fail "declining did not return to the save dialog"
    press "$dialog" Escape
  fi
  wait_exit
  cmp "$work/${answer#*:}" "$folder/old.pb" || fail "after ${answer%:*} old.pb is not ${answer#*:}"
done
# /proc takes no new files, not even from root (the chooser itself refuses a missing folder).
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
# A source named relative to the current folder: the dialog opens in its folder, made absolute,
# and a name typed there is saved there.
for place in "$folder:lib.pb" "$work:données/lib.pb"; do
  cd "${place%%:*}"
  relative=${place#*:}
  save_as "$relative" relative.pbi
  wait_exit
  cmp "$work/expected.pb" "$folder/relative.pbi" || fail "$relative: the typed name was not saved beside it"
  expect_probe "^unmap	$save_title	folder=$folder	" "$relative: the dialog opened elsewhere"
  rm "$folder/relative.pbi"
done
cd "$work"
cat "$folder/lib.pb" "$folder/part.pbi" | cmp -s - "$work/sources" || fail "a source file was changed"
[[ ! -e /proc/gantrell-e2e.pb ]] || fail "a file appeared in /proc"
echo "save dialog: ok"
