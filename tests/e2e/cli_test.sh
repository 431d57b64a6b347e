#!/usr/bin/env bash
# gantrell-cli on sources it can read: the bytes it writes through each way of naming the output,
# the token listing, its messages for faulty declarations, its command line. Sources and outputs
# it can't use are bad_input_test.sh's.
source "$(dirname "$0")/harness.sh" "$1"

# A tree with includes in subfolders, a repeat under another spelling, a cycle through "..",
# byte-order marks, UTF-16, mixed line ends and a missing file: a warning with its place, and the
# block is still written.
mkdir -p tree/lib
printf 'XIncludeFile "lib/strings.pbi"\r\nIncludeFile "common.pbi"\r\nIncludeFile "missing.pbi"\r\nProcedureDLL.l Add(a.l,b.l)\r\nEndProcedure\r\n' > tree/main.pb
printf 'XIncludeFile "../common.pbi"\nXIncludeFile "../main.pb"\nProcedureDLL.s Greet(name.s = "Hi, you")\rEndProcedure\rIncludeFile "wide.pbi"\n' > tree/lib/strings.pbi
printf '\xEF\xBB\xBFProcedureDLL.d Scale(v.d, *f.Double) ; caf\xC3\xA9\nEndProcedure' > tree/common.pbi
printf '\xFF\xFEP\0r\0o\0c\0e\0d\0u\0r\0e\0D\0L\0L\0 \0W\0(\0)\0\r\0\n\0' > tree/lib/wide.pbi
header 'Scale.d (v.d, *f.Double)' 'Greet.i (name.s="Hi, you")' 'W.i ()' 'Add.l (a.l, b.l)' > want.pbi
warn="gantrell: warning: can't open include file \"missing.pbi\"
  at tree/main.pb:3"
expect "tree to stdout" 0 want.pbi "$warn" -- "$cli" tree/main.pb
for form in "-o out.pbi" "--output out.pbi" "--output=out.pbi" "-oout.pbi"; do
  rm -f out.pbi
  # shellcheck disable=SC2086  # the form is split into its words on purpose
  expect "tree with $form" 0 /dev/null "$warn" -- "$cli" $form tree/main.pb
  check "$form wrote other bytes than stdout" cmp -s out.pbi want.pbi
done
# --strict: the warning fails the run, and nothing is written.
strict="$warn
gantrell: Some include files can't be opened."
expect "--strict with a missing include" 1 /dev/null "$strict" -- "$cli" --strict -o s.pbi tree/main.pb
expect "--strict tokens" 1 /dev/null "$strict" -- "$cli" --strict --tokens tree/main.pb

# A name that is not beside its includer is looked for in the main source's folder, never in the
# working folder, whatever that holds.
mkdir -p home/sub
printf 'XIncludeFile "sub/a.pbi"\n' > home/main.pb
printf 'XIncludeFile "x.pbi"\n' > home/sub/a.pbi
printf 'ProcedureDLL Home()\n' > home/x.pbi
printf 'ProcedureDLL Elsewhere()\n' > x.pbi
header 'Home.i ()' > home.pbi
expect "the main folder, run from another folder" 0 home.pbi "" -- "$cli" home/main.pb

# -o replaces a file whole, keeping its mode; through a link it replaces the link's target.
printf 'old content, longer than the new one %.0s' {1..200} > existing.pbi
chmod 640 existing.pbi
expect "-o replaces a file" 0 /dev/null "$warn" -- "$cli" -o existing.pbi tree/main.pb
check "-o did not replace the file exactly" cmp -s existing.pbi want.pbi
printf '\n\n\n\nProcedureDLL.l Add(*a, b.l)\n' > five.pb
header 'Add.l (*a, b.l)' > five.pbi
# Modes and symbolic links as a Linux program meets them (Windows has neither).
if ((!wine)); then
  check "the replaced file lost its mode" test "$(stat -c %a existing.pbi)" == 640
  ln -s existing.pbi link.pbi
  expect "-o through a link" 0 /dev/null "" -- "$cli" -o link.pbi five.pb
  check "-o through a link did not replace its target" cmp -s existing.pbi five.pbi
  check "-o replaced the link itself" test -L link.pbi
fi

# A file read in the run is never overwritten, under any name that reaches it.
ln -s tree/main.pb to_main.pb
for target in tree/main.pb ./tree/../tree/main.pb tree/common.pbi to_main.pb; do
  expect "-o onto the source file $target" 1 /dev/null "$warn
gantrell: Can't overwrite a source file." -- "$cli" -o "$target" tree/main.pb
done
expect "--tokens -o onto the source" 1 /dev/null "gantrell: Can't overwrite a source file." -- \
  "$cli" --tokens -o five.pb five.pb

# --tokens: the combined text of a file and its include, markers as comments whose line feeds
# count, and the text escaped.
mkdir -p dir
printf 'x\nIncludeFile "b.pbi"\nz\n' > dir/a.pb
printf 'w = "a\\b\tc\xE9\x01\x7F" : y = '"'A'"'\n' > dir/b.pbi
printf '%s\t%s\t%s\n' 1 StatementEnd '\n' 2 Identifier x 2 StatementEnd '\n' 3 StatementEnd '\n' \
  4 Identifier w 4 Operator = 4 String '"a\\b\tc\xe9\x01\x7f"' 4 Identifier y 4 Operator = \
  4 Number "'A'" 4 StatementEnd '\n' 5 StatementEnd '\n' 6 Identifier z 6 StatementEnd '\n' > want.tokens
expect "tokens of an include, escaped" 0 want.tokens "" -- "$cli" --tokens dir/a.pb
expect "tokens into a file" 0 /dev/null "" -- "$cli" --tokens -otokens.txt dir/a.pb
check "--tokens -o wrote other bytes" cmp -s tokens.txt want.tokens
# A UTF-8 source: a character that Latin-1 holds is listed as its byte there, others in UTF-8.
printf '\xEF\xBB\xBFs = "\xC3\xA9 \xD0\x96"\n' > dir/u.pb
printf '%s\t%s\t%s\n' 1 StatementEnd '\n' 2 Identifier s 2 Operator = 2 String '"\xe9 \xD0\x96"' \
  2 StatementEnd '\n' | sed 's/\\xD0\\x96/\xD0\x96/' > want.tokens
expect "tokens of a UTF-8 source" 0 want.tokens "" -- "$cli" --tokens dir/u.pb

# Declaration errors: the box's text on the first line, then where the fault lies.
mkdir -p err/sub
printf 'IncludeFile "sub/b.pbi"\nProcedureDLL Fine()\n' > err/a.pb
printf '\n\nProcedureDLL.l Broken\n' > err/sub/b.pbi
expect "syntax error" 1 /dev/null "gantrell: Syntax error in line 5
  at err/sub/b.pbi:3" -- "$cli" err/a.pb
printf 'x\nProcedureDLL F(a,\nb\n' > open.pb
expect "missing )" 1 /dev/null "gantrell: Symbol ')' expected in line 3
  at open.pb:2" -- "$cli" open.pb

# --library: both blocks name the library exactly as given, in each way of writing the option.
printf 'ProcedureCDLL C()\nProcedureDLL D(x)\n' > both.pb
{ block 'Import "C:\Libs\my lib.lib"' 'D.i (x)'; block 'ImportC "C:\Libs\my lib.lib"' 'C.i ()'; } > lib.pbi
expect "--library NAME" 0 lib.pbi "" -- "$cli" --library 'C:\Libs\my lib.lib' both.pb
expect "--library=NAME -o" 0 /dev/null "" -- "$cli" '--library=C:\Libs\my lib.lib' -o lib_out.pbi both.pb
check "--library=NAME -o wrote other bytes" cmp -s lib_out.pbi lib.pbi
# The compiler's target and home, in both spellings of an option's value; a home without its
# closing separator gets the system's.
sep=/
((wine)) && sep=\\
printf '%s\n' "CompilerIf #PB_Compiler_OS = #PB_OS_Linux And #PB_Compiler_Home = \"/pb$sep\"" \
  'ProcedureDLL L()' CompilerElse 'ProcedureDLL W()' CompilerEndIf > os.pb
header 'L.i ()' > want.pbi
expect "a target's branch" 0 want.pbi "" -- "$cli" --target=linux-arm64 --pb-home /pb os.pb
header 'W.i ()' > want.pbi
expect "the other branch" 0 want.pbi "" -- "$cli" --target macos-x64 "--pb-home=/pb$sep" os.pb

# The command line. The source path is taken exactly as given: no trimming, no cut at a quote.
expect "no source" 2 /dev/null - -- "$cli"
check "no usage text for a missing SOURCE" grep -q "no SOURCE" "$scratch/err"
for args in "'   '" "--frobnicate x.pb" "a.pb b.pb" "-o" "--output=" "-o '' five.pb" \
  "five.pb --library" "--library= five.pb" "--library '' five.pb" "--library 'a\"b' five.pb" \
  "--library \$'a\\nb' five.pb" "--library=\$'a\\rb' five.pb" "--library \$'\\tb' five.pb" \
  "--target amiga-68k x.pb" "--target=windows x.pb" "--target" "--pb-home"; do
  eval "set -- $args"
  expect "bad command line: $args" 2 /dev/null - -- "$cli" "$@"
done
expect "a source with a leading space" 1 /dev/null \
  "gantrell: can't open source file \" five.pb\": $no_file" -- "$cli" " five.pb"
if ((!wine)); then  # no Windows file name holds a double quote
  printf 'ProcedureDLL Q()\n' > 'ab"cd.pb'
  printf 'ProcedureDLL Wrong()\n' > ab
  expect_block "a source with a double quote" 'ab"cd.pb' 'Q.i ()'
fi
printf 'ProcedureDLL X()\n' > ./-dash.pb
header 'X.i ()' > want.pbi
expect "a source after --" 0 want.pbi "" -- "$cli" -- -dash.pb
expect "help" 0 - "" -- "$cli" --help
check "--help shows no usage" grep -q "^Usage: gantrell-cli" "$scratch/out"
check "--help does not describe --library" grep -q -- "--library NAME" "$scratch/out"
expect "version" 0 - "" -- "$cli" --version
check "--version: $(cat "$scratch/out")" grep -qx "gantrell-cli [0-9.]*" "$scratch/out"

summary cli
