#!/usr/bin/env bash
# Runs gantrell-cli under valgrind's memcheck on the bundled example, small source trees and the
# error paths, prints the figures of each run and fails on any memory error (invalid reads and
# writes, uninitialised values, bad frees) or on any definitely lost byte.
#   scripts/valgrind-check.sh           every case, larger sources included
#   scripts/valgrind-check.sh --short   a few cases, for CI
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-valgrind
short=0
[[ ${1:-} == --short ]] && short=1

echo "== valgrind memcheck on gantrell-cli$( ((short)) && echo ' (short)')"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGANTRELL_GTK=OFF \
  -DGANTRELL_TESTS=OFF >/dev/null || exit 1
cmake --build "$build" -j 2 --target gantrell-cli >/dev/null || exit 1
cli=$build/gantrell-cli

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

# Small trees like the end-to-end tests': includes in subfolders, repeats, a cycle, a missing
# file, byte-order marks, mixed line ends and every kind of declaration error.
mkdir -p tree/lib cycle
printf 'XIncludeFile "lib/strings.pbi"\r\nIncludeFile "common.pbi"\r\nIncludeFile "missing.pbi"\r\nProcedureDLL.l Add(a.l,b.l)\r\nEndProcedure\r\n' > tree/main.pb
printf 'XIncludeFile "../common.pbi"\nXIncludeFile "../main.pb"\nProcedureDLL.s Greet(name.s = "Hi, you")\rEndProcedure\r' > tree/lib/strings.pbi
printf '\xEF\xBB\xBFProcedureDLL.d Scale(v.d, *f.Double) ; caf\xC3\xA9\nEndProcedure' > tree/common.pbi
printf '\xFF\xFEP\0r\0o\0c\0e\0d\0u\0r\0e\0D\0L\0L\0 \0W\0(\0)\0\r\0\n\0x' > tree/lib/wide.pbi
printf 'IncludeFile "wide.pbi"\n' >> tree/lib/strings.pbi
printf 'IncludeFile "b.pbi"\nProcedureDLL A()\n' > cycle/a.pb
printf 'IncludeFile "c.pbi"\nProcedureDLL B()\n' > cycle/b.pbi
printf 'IncludeFile "a.pb"\nIncludeFile "c.pbi"\nProcedureDLL C()\n' > cycle/c.pbi
printf '\n\nProcedureDLL.l Broken\n' > syntax.pb
printf 'x\nProcedureDLL F(a,\nb\n' > open.pb
printf 'Procedure P()\nEndProcedure\n' > none.pb
printf "ProcedureDLL A()\nx = 'unclosed\nProcedureDLL B()\n" > quote.pb
mkdir folder

# name|expected exit status|arguments (split at blanks)
cases=(
  "example to a file|0|-o out.pbi $root/examples/mathlib/mathlib.pb"
  "tree with includes|0|tree/main.pb"
  "syntax error|1|syntax.pb"
  "output into a missing folder|1|-o no/such/out.pbi tree/main.pb"
  "include search, ImportC|0|$root/tests/corpus/windows_project/main.pb"
  "--strict with a warning|1|--strict $root/tests/corpus/strict_missing_include/main.pb"
)
if ((!short)); then
  cases+=(
    "example to stdout|0|$root/examples/mathlib/mathlib.pb"
    "example tokens|0|--tokens $root/examples/mathlib/mathlib.pb"
    "include cycle|0|cycle/a.pb"
    "missing )|1|open.pb"
    "unclosed quote|0|quote.pb"
    "nothing to export|1|none.pb"
    "missing source|1|no/such.pb"
    "a directory as source|1|folder"
    "output onto a directory|1|-o folder tree/main.pb"
    "output to /dev/full|1|-o /dev/full tree/main.pb"
    "no source|2|"
    "help|0|--help"
  )
  # A larger source: the example's declarations repeated through a megabyte.
  for ((i = 0; i < 3000; i++)); do
    printf 'ProcedureDLL.l Add%d(a.l, b.l)\n  ProcedureReturn a + b ; sum\nEndProcedure\n' "$i"
    printf "x = \$1F + 'c' * 2 : s\$ = \"text, more\" : *p.Point = @pt\n"
  done > big.pb
  cases+=("1 MB source|0|-o big.pbi big.pb")
fi

printf '%-30s %4s %6s %10s %10s %10s %12s\n' case exit errors "def. lost" "ind. lost" reachable \
  allocated
passed=0 failed=0
for entry in "${cases[@]}"; do
  IFS='|' read -r name status args <<<"$entry"
  # shellcheck disable=SC2086  # the arguments are split at blanks on purpose
  valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite,indirect \
    --errors-for-leak-kinds=definite --track-origins=yes --error-exitcode=99 \
    --log-file=vg.log "$cli" $args >/dev/null 2>run.err
  got=$?
  errors=$(sed -n 's/.*ERROR SUMMARY: \([0-9,]*\) errors.*/\1/p' vg.log | tr -d ,)
  lost() { sed -n "s/.*$1: \([0-9,]*\) bytes.*/\1/p" vg.log | tr -d , | head -1; }
  definite=$(lost "definitely lost") indirect=$(lost "indirectly lost")
  reachable=$(lost "still reachable")
  allocated=$(sed -n 's/.*total heap usage: .* frees, \([0-9,]*\) bytes allocated.*/\1/p' vg.log |
    tr -d ,)
  printf '%-30s %4s %6s %10s %10s %10s %12s\n' "$name" "$got" "${errors:-?}" "${definite:-0}" \
    "${indirect:-0}" "${reachable:-0}" "${allocated:-?}"
  if [[ $got != "$status" || ${errors:-1} != 0 || ${definite:-0} != 0 ]]; then
    failed=$((failed + 1))
    echo "FAIL: $name: exit status $got (wanted $status), ${errors:-?} errors, ${definite:-0} bytes definitely lost" >&2
    grep -E 'Invalid|uninitialised|definitely lost in|at 0x|by 0x' vg.log | head -30 >&2
  else
    passed=$((passed + 1))
  fi
done
echo "valgrind: $passed passed, $failed failed"
((failed == 0))
