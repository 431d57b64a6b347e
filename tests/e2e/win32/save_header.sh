#!/usr/bin/env bash
# A source with declarations: the save dialog opens in the source's folder (its path holds a
# space), a name typed there gets exactly the bytes that the Linux gantrell-cli writes for the
# same source, and the program ends with status 0 without any message.
#   save_header.sh EXE GANTRELL_CLI EXAMPLE_DIR
set -euo pipefail
exe=$1 cli=$2 example=$3
source "$(dirname "$0")/lib.sh"
make_workdir

copy_example "$example"
"$cli" "$sources/$main" >"$workdir/expected"
[[ -s $workdir/expected ]] || fail "gantrell-cli wrote nothing for $main"

# A second argument is ignored.
start_program "$(winepath -w "$sources/$main")" "second argument"
dialog=$(wait_window "Save import header..." 60)
window_exists "Gantrell - PureBasic DLL import header generator" ||
  fail "the progress window was gone while the save dialog showed"
screenshot "$dialog" win32-save-dialog.png
save_as "$dialog" out.pb
[[ -f $sources/out.pb ]] || fail "no out.pb in the source's folder: $(ls "$sources")"
cmp "$workdir/expected" "$sources/out.pb" || fail "the saved header differs from gantrell-cli's"
echo "ok: save header ($(wc -c <"$sources/out.pb") bytes)"
