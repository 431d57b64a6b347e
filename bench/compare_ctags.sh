#!/usr/bin/env bash
# Times gantrell-cli against universal-ctags over the same sources, N runs of each taken in
# turns, and prints min/median/max of each tool's elapsed and CPU time, its peak memory, and
# the ratio gantrell-cli / ctags run by run (min/median/max over the paired runs).
#   bench/compare_ctags.sh [-n RUNS] [-t lines100k|lines1M|project30M] [-b BUILD_DIR] [-c CLI]
#   bench/compare_ctags.sh [-n RUNS] -d DIR -m MAIN [-b BUILD_DIR] [-c CLI]
# -t takes a generated tree of the bench build; -d any folder of sources, of which gantrell-cli
# is given DIR/MAIN and ctags every *.pb and *.pbi file under DIR. -c times another gantrell-cli
# (another build) instead of BUILD_DIR's, which is then not built in -d mode.
# ctags gets the .pbi files mapped to its Basic parser (--map-Basic=+.pbi). *.pb is Basic's by
# default, and there the parser tags Procedure lines; the .pbi files added by the mapping are
# read as plain Basic and get no tags. So ctags is run twice: as it is (every byte read and
# scanned line by line, only the .pb files' procedures tagged), and with a regex that tags every
# Procedure/ProcedureC/ProcedureDLL/ProcedureCDLL in every file, closer to gantrell's work.
set -euo pipefail
source "$(dirname "$0")/timing.sh"
runs=7 tree=lines1M build=$repo/build-bench dir="" main=main.pb cli=""
bench_options 'n:runs t:tree b:build d:dir m:main c:cli' \
  '[-n RUNS] [-t TREE | -d DIR -m MAIN] [-b BUILD_DIR] [-c CLI]' "$@"
[[ -z $dir ]] || dir=$(cd "$dir" && pwd)
[[ -z $cli ]] || cli=$(realpath "$cli")

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
if [[ -z $dir ]]; then
  build_bench "$build" gantrell-cli bench_trees >/dev/null
  dir=$build/bench/trees/$tree
  label="tree $tree"
else
  [[ -n $cli ]] || build_bench "$build" gantrell-cli >/dev/null
  label="folder $dir, main file $main"
fi
cli=${cli:-$build/gantrell-cli}
cd "$dir"
[[ -f $main ]] || { echo "$0: no $dir/$main" >&2; exit 2; }
find . -type f \( -name '*.pb' -o -name '*.pbi' \) | sed 's|^\./||' | sort >"$logs/files"

ctags_plain=(ctags -x --languages=Basic --map-Basic=+.pbi -L "$logs/files")
ctags_procs=("${ctags_plain[@]}"
  '--regex-Basic=/^[ \t]*Procedure(C|DLL|CDLL)?(\.[a-zA-Z0-9]+)?[ \t]+\*?([A-Za-z_][A-Za-z0-9_]*)[ \t]*\(/\3/p,procedure/i')

bytes=$(xargs stat -c %s <"$logs/files" | awk '{ s += $1 } END { print s }')
echo "$label: $bytes bytes in $(wc -l <"$logs/files") files; $runs runs each; $(uptime | sed 's/.*load/load/')"
echo "  gantrell-cli ($cli): $("$cli" "$main" | grep -c $'^\t[^;]') exported procedures in its blocks"
echo "  ctags: $("${ctags_plain[@]}" | wc -l) tags plain, $("${ctags_procs[@]}" | wc -l) with the procedure regex"
for ((i = 0; i < runs; i++)); do
  time_runs 1 "$logs/gantrell" "$cli" "$main"
  time_runs 1 "$logs/plain" "${ctags_plain[@]}"
  time_runs 1 "$logs/procs" "${ctags_procs[@]}"
done

declare -A cpu_median=()
printf '%-22s %28s %28s %10s\n' "" "elapsed s min/median/max" "cpu s min/median/max" "peak MiB"
for tool in gantrell plain procs; do
  case $tool in
    gantrell) name="gantrell-cli" ;;
    plain) name="ctags (Basic)" ;;
    procs) name="ctags (Basic + regex)" ;;
  esac
  read -r emin emed emax cmin cmed cmax rss < <(run_stats "$logs/$tool")
  printf '%-22s %28s %28s %10.0f\n' "$name" "$emin / $emed / $emax" "$cmin / $cmed / $cmax" "$rss"
  cpu_median[$tool]=$cmed
done
echo "ratio gantrell-cli / ctags, run by run, min/median/max (cpu: ratio of the medians):"
for tool in plain procs; do
  case $tool in
    plain) name="ctags (Basic)" ;;
    procs) name="ctags (Basic + regex)" ;;
  esac
  read -r rmin rmed rmax < <(ratio_stats "$logs/gantrell" "$logs/$tool" elapsed)
  printf '  vs %-22s elapsed %s / %s / %s, cpu %s\n' "$name:" "$rmin" "$rmed" "$rmax" \
    "$(awk -v g="${cpu_median[gantrell]}" -v c="${cpu_median[$tool]}" 'BEGIN { if (c > 0) printf "%.2f", g / c; else print "n/a" }')"
done
