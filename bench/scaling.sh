#!/usr/bin/env bash
# How gantrell-cli's time and memory grow with the source: generated trees whose combined text
# (every file read, each opened by its marker line) is about 1, 10 and 100 MB, each scanned
# RUNS times (`gantrell-cli main.pb >/dev/null`). Prints elapsed and CPU time min/median/max,
# MB/s, peak resident memory, the growth of time per MB from the smallest tree to the largest
# (about 1 when the scan is linear) and peak memory as a multiple of the combined text.
#   bench/scaling.sh [-n RUNS] [-b BUILD_DIR] [-s "1 10 100"]
# The trees are written once into BUILD_DIR/bench/trees/scaleNMB and kept for later runs.
set -euo pipefail
source "$(dirname "$0")/timing.sh"
runs=5 build=$repo/build-bench sizes="1 10 100"
bench_options 'n:runs b:build s:sizes' '[-n RUNS] [-b BUILD_DIR] [-s "MB MB ..."]' "$@"
build_bench "$build" gantrell-cli combined_text_size
cli=$build/gantrell-cli
combined_size=$build/bench/combined_text_size

# make_tree DIR MB: writes a tree whose combined text is within 1% of MB megabytes, unless DIR
# already holds one made by this generator. The file bytes are corrected once by the measured
# ratio of combined text to files (markers added, CRs and byte-order marks dropped).
make_tree() {
  local dir=$1 target=$(($2 * 1000000)) stamp want bytes combined
  stamp=$(sha1sum "$repo/bench/gen_source.py" | cut -c1-12)
  if [[ -f $dir/stamp && $(cat "$dir/stamp") == "$stamp $target" ]]; then return 0; fi
  bytes=$target
  for _ in 1 2; do
    rm -rf "$dir"
    python3 "$repo/bench/gen_source.py" --bytes "$bytes" --seed 1 --out "$dir" >/dev/null 2>&1
    combined=$("$combined_size" "$dir/main.pb")
    want=$(awk -v c="$combined" -v t="$target" 'BEGIN { d = c / t - 1; print (d < -0.01 || d > 0.01) }')
    ((want)) || break
    bytes=$(awk -v b="$bytes" -v c="$combined" -v t="$target" 'BEGIN { printf "%d", b * t / c }')
  done
  echo "$stamp $target" >"$dir/stamp"
}

# max_rss LOG: the largest peak RSS of the runs in LOG, in KiB.
max_rss() { awk '$4 > m { m = $4 } END { print m + 0 }' "$1"; }

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

# The cost of starting and ending the program, from a source of one declaration.
printf 'ProcedureDLL.l One(a.l)\r\nEndProcedure\r\n' >"$logs/one.pb"
time_runs "$runs" "$logs/start" "$cli" "$logs/one.pb"
read -r _ start_med _ < <(column_stats "$logs/start" elapsed)
start_rss=$(max_rss "$logs/start")
echo "== start-up (a one-declaration source, $runs runs): median ${start_med} s, peak RSS $((start_rss / 1024)) MiB"

printf '\n%6s %12s %12s %10s %27s %24s %8s %10s %9s\n' "tree" "combined B" "file B" "tokens" \
  "elapsed s min/median/max" "cpu s min/median/max" "MB/s" "peak MiB" "peak/text"
for mb in $sizes; do
  dir=$build/bench/trees/scale${mb}MB
  make_tree "$dir" "$mb"
  combined=$("$combined_size" "$dir/main.pb")
  files=$(tree_bytes "$dir")
  tokens=$("$cli" --tokens "$dir/main.pb" | wc -l)
  : >"$logs/$mb"
  (cd "$dir" && time_runs "$runs" "$logs/$mb" "$cli" main.pb)
  read -r emin emed emax cmin cmed cmax _ < <(run_stats "$logs/$mb")
  rss=$(max_rss "$logs/$mb")
  printf '%6s %12d %12d %10d %27s %24s %8.1f %10.0f %9.2f\n' "${mb}MB" "$combined" "$files" \
    "$tokens" "$emin / $emed / $emax" "$cmin / $cmed / $cmax" \
    "$(awk -v b="$combined" -v e="$emed" 'BEGIN { print b / e / 1e6 }')" "$((rss / 1024))" \
    "$(awk -v r="$rss" -v b="$combined" 'BEGIN { print r * 1024 / b }')"
  echo "$mb $combined $emed $cmed $rss" >>"$logs/summary"
done

# Growth of time per MB from the first size to the last, from the medians; the second figure
# takes the start-up time off both.
echo
awk -v s="$start_med" '
  NR == 1 { mb0 = $2 / 1e6; e0 = $3; c0 = $4; size0 = $1 }
  { mb = $2 / 1e6; e = $3; c = $4; size = $1 }
  END {
    if (NR < 2) exit
    printf "time per MB, %sMB tree / %sMB tree: elapsed %.2f, cpu %.2f, elapsed less start-up %.2f\n",
      size, size0, (e / mb) / (e0 / mb0), (c / mb) / (c0 / mb0), ((e - s) / mb) / ((e0 - s) / mb0)
  }' "$logs/summary"
echo "peak RSS is GNU time's maximum resident set size (the figure /usr/bin/time -v prints);"
echo "peak/text is that over the combined text's bytes (target: at most 8)."
