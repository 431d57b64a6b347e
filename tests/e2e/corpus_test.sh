#!/usr/bin/env bash
# gantrell-cli over the DLL sources of tests/corpus: each case's block, messages and exit status
# must be exactly the ones checked in beside it (no file: nothing, and status 0).
#   corpus_test.sh GANTRELL-CLI
corpus=$(realpath "$(dirname "$0")/../corpus")
source "$(dirname "$0")/harness.sh" "$1"

for case_dir in "$corpus"/*/; do
  name=$(basename "$case_dir")
  cp -R "$case_dir" "$name"
  args=() status=0 out=/dev/null err=""
  [[ -f $name/args ]] && read -ra args <"$name/args"
  [[ -f $name/expected.status ]] && status=$(<"$name/expected.status")
  [[ -f $name/expected.pbi ]] && out=$case_dir/expected.pbi
  [[ -f $name/expected.err ]] && err=$(<"$name/expected.err")
  expect "$name" "$status" "$out" "$err" -- \
    env -C "$name" "$cli" "${args[@]}" main.pb
done
check "only $passed cases in $corpus" test $((passed + failed)) -ge 20
summary corpus
