#!/usr/bin/env bash
# Runs the fuzz targets one after the other, each for a given number of seconds, and appends
# what each did (executions, coverage, corpus, findings) to a log.
#   scripts/fuzz-campaign.sh [--log FILE] [--corpus DIR] [--findings DIR] [--keep-going]
#                            SECONDS [TARGET...]
# Targets: lex_text read_line load_source scan_declaration run_gantrell compiler_view (all by
# default).
# The corpus of each target grows in DIR/TARGET (default build-fuzz/corpus), seeded from
# fuzz/corpus/TARGET; inputs that fail land in the findings folder (default
# build-fuzz/findings). --keep-going fuzzes on past a finding (libFuzzer's fork mode, one
# job), so that one known fault does not end the campaign. The build must exist
# (scripts/fuzz-smoke.sh makes it).
# Exit status: 0 when no target found anything, 1 otherwise.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz
log=$build/campaign.log
corpus=$build/corpus
findings=$build/findings
mode=()
while [[ ${1:-} == --* ]]; do
  case $1 in
    --log) log=$2; shift 2 ;;
    --corpus) corpus=$2; shift 2 ;;
    --findings) findings=$2; shift 2 ;;
    --keep-going) mode=(-fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1); shift ;;
    *) echo "fuzz-campaign: unknown option $1" >&2; exit 2 ;;
  esac
done
seconds=${1:?usage: fuzz-campaign.sh [OPTIONS] SECONDS [TARGET...]}
shift
targets=("$@")
((${#targets[@]})) || targets=(lex_text raw_matches read_line load_source scan_declaration run_gantrell
  compiler_view)

# Longest input per target: the line reader and a whole run see inputs past the 4096-byte
# buffer of a file, so that lines cross its edge.
max_len() {
  case $1 in
    read_line | run_gantrell) echo 16384 ;;
    *) echo 4096 ;;
  esac
}

# entries DIR: how many names DIR holds, hidden ones aside (the names ls lists).
entries() { find "$1" -mindepth 1 -maxdepth 1 ! -name '.*' -printf . | wc -c; }

mkdir -p "$findings" "$(dirname "$log")"
found=0
for target in "${targets[@]}"; do
  binary=$build/fuzz_$target
  [[ -x $binary ]] || { echo "fuzz-campaign: $binary is missing" >&2; exit 2; }
  mkdir -p "$corpus/$target"
  cp -n "$root/fuzz/corpus/$target/"* "$corpus/$target/" 2>/dev/null
  output=$(mktemp)
  before=$(entries "$findings")
  "$binary" "$corpus/$target" -max_total_time="$seconds" -max_len="$(max_len "$target")" \
    -timeout=10 -rss_limit_mb=2048 -dict="$root/fuzz/fuzz.dict" -print_final_stats=1 \
    -artifact_prefix="$findings/$target-" "${mode[@]}" >"$output" 2>&1
  status=$?
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$output" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$output" | tail -1)
  if [[ -z $executions ]]; then  # fork mode reports "#EXECUTIONS: cov: ..." lines instead
    executions=$(grep -oE '^#[0-9]+' "$output" | tail -1 | tr -d '#')
    rate=$(grep -oE 'exec/s:? [0-9]+' "$output" | tail -1 | grep -oE '[0-9]+$')
  fi
  coverage=$(grep -oE 'cov: [0-9]+ ft: [0-9]+' "$output" | tail -1)
  new=$(($(entries "$findings") - before))
  line="$(date -u +%Y-%m-%dT%H:%M:%SZ) $target seconds=$seconds executions=${executions:-?}"
  line+=" exec/s=${rate:-?} ${coverage:+$coverage }corpus=$(entries "$corpus/$target")"
  line+=" findings=$new status=$status"
  echo "$line" | tee -a "$log"
  if ((status != 0 || new > 0)); then
    found=1
    grep -E 'ERROR|check failed|SUMMARY|Test unit written' "$output" | head -20 >&2
  fi
  rm -f "$output"
done
exit "$found"
