# Shared by the benchmark scripts: repeated timed runs and their min/median/max.
# Source it; needs GNU time (/usr/bin/time, Debian package "time").

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
  cmake -S "$repo" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGANTRELL_BENCH=ON \
    -DGANTRELL_GTK=OFF -DGANTRELL_TESTS=OFF >/dev/null
  cmake --build "$dir" -j 2 --target "$@" | tail -n 1
}
