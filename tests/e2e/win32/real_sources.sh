#!/usr/bin/env bash
# A DLL project as its authors lay it out: an include found beside the main source rather than
# beside its including file, and ProcedureCDLL exports. Saved through the dialog, the file holds
# exactly the Import and ImportC blocks checked in with the case; status 0, no message.
#   real_sources.sh EXE
set -euo pipefail
exe=$1
source "$(dirname "$0")/lib.sh"
make_workdir

project=$workdir/project
cp -R "$(dirname "$0")/../../corpus/desktop_imports" "$project"
start_program "$(winepath -w "$project/main.pb")"
dialog=$(wait_window "Save import header..." 60)
save_as "$dialog" imports.pbi
cmp "$project/expected.pbi" "$project/imports.pbi" ||
  fail "the saved blocks differ from the expected ones"
echo "ok: real sources ($(wc -c <"$project/imports.pbi") bytes)"
