#!/usr/bin/env bash
# A DLL project as its authors lay it out: an include found beside the main source rather than
# beside its including file, and ProcedureCDLL exports. Saved through the dialog, the file holds
# exactly the Import and ImportC blocks checked in with the case; status 0, no message.
source "$(dirname "$0")/lib.sh"

cp -R "$(dirname "$0")/../../corpus/desktop_imports" "$work/project"
save_through_dialog "$work/project/main.pb" "$work/project/imports.pbi"
cmp "$work/project/expected.pbi" "$work/project/imports.pbi" ||
  fail "the saved blocks differ from the expected ones"
expect_probe "^unmap	$BANNER	label=Found: Mix2	" "the status line did not end with \"Found: Mix2\""
echo "real sources: ok"
