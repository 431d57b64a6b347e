#!/usr/bin/env bash
# Every allocation failure ends in "Out of memory." or in the right output: gantrell-cli-faults
# (gantrell-cli with an allocator that fails on demand) runs corpus cases, failing each
# allocation point in turn, once and from that point on. A run either gives the case's checked-in
# block, messages and status, or exits 1 with "gantrell: Out of memory." alone; an output file
# given with -o then holds its old bytes, and no temporary file is ever left.
#   alloc_sweep_test.sh GANTRELL-CLI-FAULTS [--full]
# The default is the short form CI runs; --full adds more cases and, as root, the rewrite in place
# (the output in a folder that `nobody` may not write).
corpus=$(realpath "$(dirname "$0")/../corpus")
source "$(dirname "$0")/harness.sh" "$1"
cases=(desktop_imports syntax_error_after_apostrophe)
[[ ${2:-} == --full ]] && cases+=(missing_include_warning strict_missing_include utf8_bom_crlf
  nothing_to_export_macro windows_project includepath_folder)
oom="gantrell: Out of memory."

# sweep NAME OUTPUT...: runs `gantrell-cli-faults OUTPUT... ARGS main.pb` in the case's copy with
# each allocation failing in turn; OUTPUT is `-o old.pbi` or nothing (standard output).
sweep() {
  local name=$1 dir=$scratch/work/$1 args=() status=0 want=/dev/null wanterr="" points i setting bad=0
  shift
  [[ -f $dir/args ]] && read -ra args <"$dir/args"
  [[ -f $dir/expected.status ]] && status=$(<"$dir/expected.status")
  [[ -f $dir/expected.pbi ]] && want=$dir/expected.pbi
  [[ -f $dir/expected.err ]] && wanterr=$(<"$dir/expected.err")$'\n'
  # A file, not a process substitution: over thousands of runs process ids come round again, and
  # bash can then take a finished substitution's status for the program's.
  printf '%s' "$wanterr" >"$scratch/wanterr"
  printf 'old\n' >"$dir/old.pbi"
  (cd "$dir" && GANTRELL_ALLOC_COUNT=$scratch/count "${runner[@]}" "$cli" "$@" "${args[@]}" main.pb >/dev/null 2>&1)
  points=$(<"$scratch/count")
  for ((i = 1; i <= points; i++)); do
    for setting in "$i" "$i+"; do
      (cd "$dir" && GANTRELL_FAIL_ALLOC=$setting "${runner[@]}" "$cli" "$@" "${args[@]}" main.pb >"$scratch/out" 2>"$scratch/err")
      local got=$? out=$scratch/out
      [[ ${1:-} == -o ]] && out=$dir/old.pbi
      if ((got == status)) && cmp -s "$out" "$want" && cmp -s "$scratch/err" "$scratch/wanterr"; then
        :
      elif ((got == 1)) && [[ ! -s $scratch/out && $(<"$scratch/err") == "$oom" ]] &&
        { [[ ${1:-} != -o ]] || [[ $(<"$dir/old.pbi") == old ]]; }; then
        :
      else
        fail "$name $*: allocation $setting: status $got, $(head -c 300 "$scratch/err")"
        bad=1
      fi
      [[ -n $(find "$dir" -name '.gantrell-*') ]] && { fail "$name: allocation $setting left a temporary file"; bad=1; }
      printf 'old\n' >"$dir/old.pbi"
      ((bad)) && return
    done
  done
  echo "$name ${*:-(stdout)}$how: $points allocation points" >&2
  pass
}

runner=() how=""
for name in "${cases[@]}"; do
  cp -R "$corpus/$name" "$name"
  sweep "$name"
  [[ -f $name/expected.pbi ]] && sweep "$name" -o old.pbi
done
if [[ ${2:-} == --full ]] && ((EUID == 0)); then
  runner=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups --) how=" in place"
  chmod -R o+rX "$scratch" && chmod o-w desktop_imports && chmod 666 desktop_imports/old.pbi
  sweep desktop_imports -o old.pbi
fi
summary alloc-sweep
