#!/usr/bin/env bash
# Builds the benchmarks with their generated source trees (100k and 1M lines), runs
# tokenize_bench, then times whole gantrell-cli runs over each tree.
#   bench/run_bench.sh [-n REPETITIONS] [-b BUILD_DIR]
# REPETITIONS (default 5) applies to both the benchmark binary and the gantrell-cli runs.
set -euo pipefail
source "$(dirname "$0")/timing.sh"
reps=5 build=$repo/build-bench
bench_options 'n:reps b:build' '[-n REPETITIONS] [-b BUILD_DIR]' "$@"
build_bench "$build" gantrell-cli tokenize_bench bench_trees
cli=$build/gantrell-cli
trees=$build/bench/trees

echo "== tokenize_bench ($reps repetitions)"
"$build/bench/tokenize_bench" --benchmark_repetitions="$reps" \
  --benchmark_report_aggregates_only=true 2>&1 | grep -v '^\*\*\*WARNING'

log=$(mktemp)
trap 'rm -f "$log"' EXIT
for tree in lines100k lines1M; do
  dir=$trees/$tree
  bytes=$(tree_bytes "$dir")
  lines=$(cd "$dir" && xargs cat <files.txt | wc -l)
  tokens=$("$cli" --tokens "$dir/main.pb" | wc -l)
  : >"$log"
  time_runs "$reps" "$log" "$cli" "$dir/main.pb"
  read -r emin emed emax cmin cmed cmax rss < <(run_stats "$log")
  echo "== gantrell-cli $tree: $lines lines, $bytes bytes, $tokens tokens, $reps runs"
  echo "   elapsed s   min $emin  median $emed  max $emax"
  echo "   cpu s       min $cmin  median $cmed  max $cmax  (user + system)"
  awk -v b="$bytes" -v t="$tokens" -v e="$emed" -v c="$cmed" 'BEGIN {
    printf "   at median elapsed: %.2f MB/s, %.0f tokens/s\n", b / e / 1e6, t / e
    printf "   at median cpu:     %.2f MB/s, %.0f tokens/s\n", b / c / 1e6, t / c }'
  echo "   peak RSS    ${rss} MiB"
done
