#!/usr/bin/env bash
# gantrell-cli over the DLL sources of tests/corpus: each case's block, messages and exit status
# must be exactly the ones checked in beside it.
#   corpus_test.sh GANTRELL-CLI
corpus=$(realpath "$(dirname "$0")/../corpus")
source "$(dirname "$0")/harness.sh" "$1"

for case_dir in "$corpus"/*/; do
  name=$(basename "$case_dir")
  cp -R "$case_dir" "$work/$name"
  args=()
  [[ -f $case_dir/args ]] && read -ra args <"$case_dir/args"
  status=0
  [[ -f $case_dir/expected.status ]] && status=$(<"$case_dir/expected.status")
  (cd "$work/$name" && "$cli" "${args[@]}" main.pb >"$work/out" 2>"$work/err")
  got=$?
  ok=1
  [[ $got == "$status" ]] || { fail "$name: exit status $got, wanted $status"; ok=0; }
  cmp -s "$work/out" "${case_dir}expected.pbi" 2>/dev/null ||
    [[ ! -f ${case_dir}expected.pbi && ! -s $work/out ]] ||
    { fail "$name: the block differs"; diff <(cat -A "${case_dir}expected.pbi") <(cat -A "$work/out") >&2; ok=0; }
  cmp -s "$work/err" "${case_dir}expected.err" 2>/dev/null ||
    [[ ! -f ${case_dir}expected.err && ! -s $work/err ]] ||
    { fail "$name: the messages differ"; diff "${case_dir}expected.err" "$work/err" >&2; ok=0; }
  ((ok)) && pass
done
((passed + failed >= 20)) || fail "only $((passed + failed)) cases in $corpus"
summary corpus
