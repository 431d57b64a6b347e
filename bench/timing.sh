# shellcheck shell=bash
# Shared by the benchmark scripts: their options, the Release build, repeated timed runs and
# their min/median/max. Source it first; needs GNU time (/usr/bin/time, Debian package "time").
# Sets repo, the source tree's root.
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# bench_options "LETTER:VARIABLE ..." USAGE ARG...: sets each VARIABLE from its -LETTER option,
# over the default the caller gave it; prints "usage: SCRIPT USAGE" and exits 2 on any other.
bench_options() {
  local pairs=$1 usage=$2 letters="" pair opt
  shift 2
  for pair in $pairs; do letters+=${pair%%:*}:; done
  while getopts "$letters" opt; do
    [[ $opt != '?' ]] || { echo "usage: $0 $usage" >&2; exit 2; }
    for pair in $pairs; do
      if [[ ${pair%%:*} == "$opt" ]]; then printf -v "${pair#*:}" '%s' "$OPTARG"; fi
    done
  done
}

# time_runs COUNT LOG COMMAND...: runs COMMAND (from the current directory, output discarded)
# COUNT times and appends one line per run to LOG: elapsed s, user s, system s, peak RSS KiB.
# The elapsed time is taken by the shell to the microsecond; GNU time gives the rest.
time_runs() {
  local count=$1 log=$2
  shift 2
  local i start end usage
  usage=$(mktemp)
  for ((i = 0; i < count; i++)); do
    start=$EPOCHREALTIME
    /usr/bin/time -f '%U %S %M' -o "$usage" "$@" >/dev/null
    end=$EPOCHREALTIME
    echo "$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.4f", e - s }') $(cat "$usage")" >>"$log"
  done
  rm -f "$usage"
}

# run_values LOG EXPRESSION: prints an awk expression's value for each of LOG's runs, written
# over the run's fields elapsed, user and sys (s) and rss (peak KiB), e.g. 'user + sys'.
run_values() {
  awk "{ elapsed = \$1; user = \$2; sys = \$3; rss = \$4; print $2 }" "$1"
}

# spread: prints "min median max" of the numbers on standard input, one a line.
spread() {
  sort -g | awk '
    { v[NR] = $1 }
    END {
      if (NR == 0) { print "nan nan nan"; exit }
      median = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
      printf "%.4g %.4g %.4g\n", v[1], median, v[NR]
    }'
}

# column_stats LOG EXPRESSION: prints "min median max" of the expression (as for run_values)
# over LOG's runs.
column_stats() { run_values "$1" "$2" | spread; }

# tree_bytes DIR: prints the total size in bytes of the files that DIR/files.txt lists.
tree_bytes() {
  (cd "$1" && xargs stat -c %s <files.txt | awk '{ s += $1 } END { print s }')
}

# build_bench BUILD_DIR TARGET...: configures the Release benchmark build and builds the targets.
build_bench() {
  local dir=$1
  shift
  echo "== build (Release, $dir)"
  cmake -S "$repo" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGANTRELL_BENCH=ON \
    -DGANTRELL_GTK=OFF -DGANTRELL_TESTS=OFF >/dev/null
  cmake --build "$dir" -j 2 --target "$@" | tail -n 1
}

# run_stats LOG: prints "emin emed emax cmin cmed cmax rss" over LOG's runs: min, median and max
# of the elapsed s, the same of the user + system s, and the largest peak RSS in MiB.
run_stats() {
  local rss
  read -r _ _ rss < <(column_stats "$1" 'rss / 1024')
  echo "$(column_stats "$1" elapsed) $(column_stats "$1" 'user + sys') $rss"
}

# ratio_stats LOG_A LOG_B EXPRESSION: prints "min median max" of the ratio A/B of an expression
# (as for run_values) taken run by run: for runs taken in turns, each ratio pairs runs made
# close together in time. "nan nan nan" when a divisor is 0.
ratio_stats() {
  local ratios
  # No file in between: callers read this from a process substitution, which may still be
  # running when the next call starts.
  ratios=$(paste -d ' ' <(run_values "$1" "$3") <(run_values "$2" "$3") |
    awk '{ if ($2 == 0) { bad = 1; exit } printf "%.6g\n", $1 / $2 } END { if (bad) exit 1 }') ||
    { echo "nan nan nan"; return; }
  spread <<<"$ratios"
}
