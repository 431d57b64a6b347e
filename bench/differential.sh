#!/usr/bin/env bash
# Runs two gantrell-cli builds over the same inputs and compares what they give byte for byte:
# standard output, standard error and exit status, for the Import block and for the --tokens
# listing. Any difference fails (exit 1) and is shown.
#   bench/differential.sh [-k] [-w WORK_DIR] OLD_CLI NEW_CLI
# Inputs: generated trees of both styles (several seeds and sizes, from tiny to about 30 MB),
# files of random bytes mixed with PureBasic fragments, examples/ and tests/corpus/. Each is
# run from inside its folder with a relative main file, so messages name the same paths.
# The generated inputs go to a temporary folder (-w: that folder; -k: keep it).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
work=
keep=0
while getopts 'kw:' opt; do
  case $opt in
    k) keep=1 ;;
    w) work=$OPTARG ;;
    *) echo "usage: $0 [-k] [-w WORK_DIR] OLD_CLI NEW_CLI" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
[[ $# -eq 2 ]] || { echo "usage: $0 [-k] [-w WORK_DIR] OLD_CLI NEW_CLI" >&2; exit 2; }
old=$(realpath "$1")
new=$(realpath "$2")
if [[ -z $work ]]; then
  work=$(mktemp -d)
  ((keep)) || trap 'rm -rf "$work"' EXIT
fi
mkdir -p "$work/out"

cases=0
failed=0
# compare NAME DIR ARGS...: runs both builds in DIR with ARGS and compares the three results.
compare() {
  local name=$1 dir=$2 what side status
  shift 2
  for side in old new; do
    set +e
    (cd "$dir" && "${!side}" "$@" >"$work/out/$side.out" 2>"$work/out/$side.err")
    status=$?
    set -e
    echo "$status" >"$work/out/$side.status"
  done
  cases=$((cases + 1))
  for what in out err status; do
    if ! cmp -s "$work/out/old.$what" "$work/out/new.$what"; then
      failed=$((failed + 1))
      echo "DIFFERENT $name: $what (in $dir: $*)"
      cmp "$work/out/old.$what" "$work/out/new.$what" | head -n 1 || true
      diff <(head -c 2000000 "$work/out/old.$what") <(head -c 2000000 "$work/out/new.$what") |
        head -n 8 || true
      return
    fi
  done
  echo "same $name ($(wc -c <"$work/out/new.out") bytes out, status $(cat "$work/out/new.status"))"
}

# both NAME DIR MAIN [ARGS...]: the block and the token listing.
both() {
  local name=$1 dir=$2 main=$3
  shift 3
  compare "$name" "$dir" "$@" "$main"
  compare "$name --tokens" "$dir" "$@" --tokens "$main"
}

echo "old: $old"
echo "new: $new"
gen=$repo/bench/gen_source.py
for sample in "plain 1 1000" "plain 2 20000" "plain 3 100000" "plain 4 1000000" \
            "project 1 1000" "project 2 20000" "project 3 200000" "project 4 1000000"; do
  read -r style seed lines <<<"$sample"
  dir=$work/$style-$seed-$lines
  [[ -f $dir/files.txt ]] || python3 "$gen" --style "$style" --seed "$seed" --lines "$lines" \
    --out "$dir" >/dev/null 2>&1
  both "$style tree, seed $seed, $lines lines" "$dir" main.pb
done

# Random bytes between PureBasic fragments: every byte value, lone CRs, NULs, long lines,
# cut UTF-8 sequences, byte-order marks in the middle, unclosed strings.
python3 - "$work/noise" <<'PY'
import os, random, sys
out = sys.argv[1]
os.makedirs(out, exist_ok=True)
pieces = [b"ProcedureDLL.l F%d(a.l, *b.Point, c.s = \"x\")\r\n", b"EndProcedure\n",
          b"ProcedureCDLL G%d(x.d)\n", b"; comment \xc3\xa9\xe2\x82\xac\n", b"\"str\"", b"'c'",
          b"$FF", b"%101", b"1.5e3", b"#CONST", b"*ptr\\x", b"\xef\xbb\xbf", b"\r", b"\n",
          b"\x00", b"XIncludeFile \"n%d.pbi\"\n", b"IncludePath \"sub/\"\n", b"Macro M()\n",
          b"EndMacro\n", b"ProcedureReturn", b"~\"a\\n\"", b"(", b")", b",", b" ", b"\t",
          b"\xc3", b"\xe2\x82", b"\xf0\x9f\x98", b"\xff\xfe", b"procedureDLL", b"x" * 300]
for seed in range(40):
    r = random.Random(seed)
    data = bytearray()
    for _ in range(r.randint(1, 400)):
        if r.random() < 0.3:
            data += bytes(r.randrange(256) for _ in range(r.randint(1, 20)))
        else:
            p = r.choice(pieces)
            data += p.replace(b"%d", str(r.randint(0, 9)).encode()) if b"%d" in p else p
    with open(os.path.join(out, "n%d.pb" % seed), "wb") as f:
        f.write(data)
    if seed < 10:
        with open(os.path.join(out, "n%d.pbi" % seed), "wb") as f:
            f.write(data[::-1])
PY
for seed in $(seq 0 39); do
  both "random bytes n$seed.pb" "$work/noise" "n$seed.pb"
done

for main in "$repo"/examples/*/*.pb; do
  both "examples/${main#"$repo"/examples/}" "$(dirname "$main")" "$(basename "$main")"
done
for dir in "$repo"/tests/corpus/*/; do
  read -r -a args <<<"$(cat "$dir/args" 2>/dev/null || true)"
  both "tests/corpus/$(basename "$dir")" "$dir" main.pb "${args[@]}"
done

echo "$cases comparisons, $failed different"
((failed == 0))
