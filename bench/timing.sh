# shellcheck shell=bash disable=SC2034  # the stats go to the caller's variables
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

# column_stats LOG EXPRESSION: prints "min median max" of an awk expression over LOG's lines
# ($1 elapsed, $2 user, $3 system, $4 peak RSS), e.g. '$1' or '$2 + $3'.
column_stats() {
  awk "{ print $2 }" "$1" | sort -g | awk '
    { v[NR] = $1 }
    END {
      if (NR == 0) { print "nan nan nan"; exit }
      median = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
      printf "%.4g %.4g %.4g\n", v[1], median, v[NR]
    }'
}

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

# run_stats LOG: sets emin emed emax (elapsed s), cmin cmed cmax (user + system s) and rss (the
# largest peak RSS, MiB) over LOG's runs.
run_stats() {
  read -r emin emed emax < <(column_stats "$1" '$1')
  read -r cmin cmed cmax < <(column_stats "$1" '$2 + $3')
  read -r _ _ rss < <(column_stats "$1" '$4 / 1024')
}

# ratio_stats LOG_A LOG_B EXPRESSION: prints "min median max" of the ratio A/B of an awk
# expression (as for column_stats) taken line by line, i.e. run by run: for runs taken in turns,
# each ratio pairs runs made close together in time. "nan nan nan" when a divisor is 0.
ratio_stats() {
  local ratios
  # No file in between: callers read this from a process substitution, which may still be
  # running when the next call starts.
  ratios=$(paste -d ' ' <(awk "{ print $3 }" "$1") <(awk "{ print $3 }" "$2") |
    awk '{ if ($2 == 0) { bad = 1; exit } printf "%.6g 0 0 0\n", $1 / $2 } END { if (bad) exit 1 }') ||
    { echo "nan nan nan"; return; }
  column_stats <(echo "$ratios") '$1'
}
