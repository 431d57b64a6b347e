#!/usr/bin/env bash
# The PureBasic IDE tool that regenerates the block after every build, exactly as the READMEs
# give it: their "Arguments:" line with %PATH and %FILE replaced as the IDE replaces them (the
# source's folder with its trailing separator, the source's path), split at blanks outside
# quotes, run on a project in a folder whose name holds a space. gantrell-cli takes the Linux
# form (README.md); gantrell-cli.exe under wine the Windows form (README.md and README.txt).
#   ide_tool_test.sh GANTRELL-CLI
root=$(realpath "$(dirname "$0")/../..")
source "$(dirname "$0")/harness.sh" "$1"

# arguments FILE LIBRARY-SUFFIX: the documented Arguments lines of FILE for that kind of library.
arguments() { sed -n 's/^ *Arguments: *\(.*\)$/\1/p' "$1" | grep -F "$2"; }
if ((wine)); then
  args=$(arguments "$root/README.md" '.lib"')
  check "README.txt gives other arguments than README.md" \
    test "$(arguments "$root/packaging/win32/README.txt" '.lib"')" == "$args"
  folder() { winepath -w "$1" | sed 's/\\*$/\\/'; }
else
  args=$(arguments "$root/README.md" '.so"')
  folder() { printf '%s/' "$1"; }
fi
check "no single Arguments line in the README: '$args'" test "$(wc -l <<<"$args")" == 1

mkdir "My DLL"
printf 'XIncludeFile "helpers.pbi"\r\nProcedureDLL.l Add(a.l, b.l)\r\nEndProcedure\r\n' > "My DLL/mylib.pb"
printf 'ProcedureCDLL Checksum(*buffer, size.l)\r\nEndProcedure\r\n' > "My DLL/helpers.pbi"
path=$(folder "$PWD/My DLL")
file=${path}mylib.pb
library=$(sed -n 's/.*--library "\([^"]*\)".*/\1/p' <<<"$args")
library=${library//%PATH/$path}
{ block "Import \"$library\"" 'Add.l (a.l, b.l)'; block "ImportC \"$library\"" 'Checksum.i (*buffer, size.l)'; } > want.pbi
# The IDE's replacement, then the words as the command line's quotes delimit them.
line=${args//%PATH/$path}
line=${line//%FILE/$file}
words=()
eval "words=(${line//\\/\\\\})"
expect "the IDE tool" 0 /dev/null "" -- "$cli" "${words[@]}"
check "the IDE tool wrote another block" cmp -s "My DLL/mylib_imports.pbi" want.pbi
# A failed regeneration leaves the block as it was (expect checks that no file changed).
printf 'ProcedureDLL Broken\r\n' >> "My DLL/helpers.pbi"
expect "the IDE tool on a broken source" 1 /dev/null - -- "$cli" "${words[@]}"
check "the failed run gave no message" grep -q "Syntax error" "$scratch/err"
summary ide-tool
