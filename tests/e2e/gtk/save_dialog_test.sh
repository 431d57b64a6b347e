#!/usr/bin/env bash
# The save dialog after a scan with declarations: a typed path gets exactly the bytes that
# gantrell-cli writes, Cancel writes nothing, an existing file is replaced after a yes; status 0
# each time.
source "$(dirname "$0")/lib.sh"

mkdir -p "$work/src" "$work/out"
make_source "$work/src/lib.pb" 20 'ProcedureDLL.l Add(a.l, b.l)' 'ProcedureDLL Hello()'
"$CLI_BIN" "$work/src/lib.pb" >"$work/expected.pb"
last=$(($("$CLI_BIN" --tokens "$work/src/lib.pb" | wc -l) - 1))
save_title='Save import header...'

# save_as PATH: runs a scan and answers the save dialog with PATH and Enter.
save_as() {
  start_gui "$work/src/lib.pb"
  dialog=$(wait_for_window "$save_title")
  has_window "$BANNER" || fail "the progress window is gone while the save dialog is shown"
  type_into "$dialog" "$1"
  press "$dialog" Return
  # An existing file is replaced only after a yes to the toolkit's question.
  if [[ -e $1 ]]; then press "$(wait_for_window "")" Return; fi
  wait_for_exit
  (($(line_of "^map	Error") == 0)) || fail "an error box after saving to $1"
}

# A name without extension is used as typed.
save_as "$work/out/header"
cmp "$work/expected.pb" "$work/out/header" || fail "the saved header differs from gantrell-cli's"
[[ ! -e $work/out/header.pb ]] || fail "an extension was added to the typed name"
# The dialog opened in the source's folder with the two filters, the first one current; the
# status line showed the last declaration and the bar had reached its end.
pb='PureBasic File \(\*\.pb\)'
filters="filter=$pb	filter=All files	current-filter=$pb"
expect_probe "^unmap	$save_title	folder=$work/src	$filters\$" \
  "the save dialog's folder or filters are wrong"
expect_probe "^unmap	$BANNER	label=Found: Hello	pad=0,0	bar=0\.\.$last@$last\$" \
  "the progress window did not end with \"Found: Hello\" and a full bar"
(($(line_of "^map	$save_title") < $(line_of "^unmap	$BANNER"))) ||
  fail "the progress window closed before the save dialog"

# An existing, longer file is replaced as a whole.
head -c 20000 /dev/zero | tr '\0' 'x' >"$work/out/old.pb"
save_as "$work/out/old.pb"
cmp "$work/expected.pb" "$work/out/old.pb" || fail "the existing file was not replaced"

# Cancel: nothing written, no message.
start_gui "$work/src/lib.pb"
dialog=$(wait_for_window "$save_title")
type_into "$dialog" "$work/out/cancelled.pb"
press "$dialog" alt+c
wait_for_exit
[[ ! -e $work/out/cancelled.pb ]] || fail "Cancel wrote a file"
(($(line_of "^map	Error") == 0)) || fail "an error box after Cancel"
echo "save dialog: ok"
