#!/usr/bin/env bash
# Times gantrell-cli against universal-ctags over the same generated tree, N runs each taken
# in turns, and prints min/median/max of both, the ratio of the medians and the peak memory.
#   bench/compare_ctags.sh [-n RUNS] [-t lines100k|lines1M] [-b BUILD_DIR]
# ctags is given every file of the tree (files.txt), the .pbi files mapped to its Basic parser.
# That parser knows no "Procedure" keyword, so it is run twice: as it is (it reads and scans
# every line but finds no tag in PureBasic source), and with a regex that makes it tag every
# Procedure/ProcedureC/ProcedureDLL, which is closer to the work gantrell does.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
runs=7
tree=lines1M
build=$repo/build-bench
while getopts 'n:t:b:' opt; do
  case $opt in
    n) runs=$OPTARG ;;
    t) tree=$OPTARG ;;
    b) build=$OPTARG ;;
    *) echo "usage: $0 [-n RUNS] [-t lines100k|lines1M] [-b BUILD_DIR]" >&2; exit 2 ;;
  esac
done
# shellcheck source=bench/timing.sh
source "$repo/bench/timing.sh"

build_bench "$build" gantrell-cli bench_trees >/dev/null
cli=$build/gantrell-cli
dir=$build/bench/trees/$tree

ctags_plain=(ctags -x --languages=Basic --map-Basic=+.pbi -L files.txt)
ctags_procs=("${ctags_plain[@]}"
  '--regex-Basic=/^[ \t]*Procedure(C|DLL|CDLL)?(\.[a-zA-Z0-9]+)?[ \t]+\*?([A-Za-z_][A-Za-z0-9_]*)[ \t]*\(/\3/p,procedure/i')

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
cd "$dir"
echo "tree $tree: $(tree_bytes .) bytes in $(wc -l <files.txt) files; $runs runs each"
echo "  gantrell-cli: $("$cli" main.pb | grep -c $'^\t[^;]') exported procedures in its Import block"
echo "  ctags: $("${ctags_plain[@]}" | wc -l) tags plain, $("${ctags_procs[@]}" | wc -l) with the procedure regex"
for ((i = 0; i < runs; i++)); do
  time_runs 1 "$logs/gantrell" "$cli" main.pb
  time_runs 1 "$logs/plain" "${ctags_plain[@]}"
  time_runs 1 "$logs/procs" "${ctags_procs[@]}"
done

printf '%-22s %28s %28s %10s\n' "" "elapsed s min/median/max" "cpu s min/median/max" "peak MiB"
for tool in gantrell plain procs; do
  case $tool in
    gantrell) label="gantrell-cli" ;;
    plain) label="ctags (Basic)" ;;
    procs) label="ctags (Basic + regex)" ;;
  esac
  read -r emin emed emax < <(column_stats "$logs/$tool" '$1')
  read -r cmin cmed cmax < <(column_stats "$logs/$tool" '$2 + $3')
  read -r _ _ rss < <(column_stats "$logs/$tool" '$4 / 1024')
  printf '%-22s %28s %28s %10.0f\n' "$label" "$emin / $emed / $emax" "$cmin / $cmed / $cmax" "$rss"
  declare "${tool}_emed=$emed" "${tool}_cmed=$cmed"
done
awk -v g="$gantrell_emed" -v p="$plain_emed" -v r="$procs_emed" \
    -v gc="$gantrell_cmed" -v pc="$plain_cmed" -v rc="$procs_cmed" 'BEGIN {
  printf "ratio of medians gantrell/ctags (Basic):         elapsed %.1f, cpu %.1f\n", g / p, gc / pc
  printf "ratio of medians gantrell/ctags (Basic + regex): elapsed %.1f, cpu %.1f\n", g / r, gc / rc
}'
