#!/usr/bin/env bash
# Builds gantrell-cli twice, over PCRE2 and over PCRE 8.x, and runs both over the same inputs:
# the benchmark trees, the example, the fuzz corpora and regression inputs, and a few thousand
# generated sources. For every input the token listing and the import block, each with its
# exit status and standard error, must be the same bytes from both programs.
#   scripts/test-pcre-backends.sh [-n GENERATED] [-k]
# GENERATED (default 3000) is the number of generated sources; -k keeps the work folder.
# Needs both libpcre2-dev and libpcre3-dev (Debian 12: scripts/install-deps.sh --test).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
generated=3000
keep=0
while getopts 'n:k' opt; do
  case $opt in
    n) generated=$OPTARG ;;
    k) keep=1 ;;
    *) echo "usage: $0 [-n GENERATED] [-k]" >&2; exit 2 ;;
  esac
done
out=$root/build-pcre-backends

echo "== pcre backends: build gantrell-cli over pcre2 and pcre1"
for backend in pcre2 pcre1; do
  cmake -S . -B "$out/$backend" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGANTRELL_PCRE=$backend \
    -DGANTRELL_GTK=OFF -DGANTRELL_TESTS=OFF >/dev/null
  cmake --build "$out/$backend" -j 2 --target gantrell-cli >/dev/null
done
new=$out/pcre2/gantrell-cli
old=$out/pcre1/gantrell-cli
# Each program must really be linked against its own library, or the comparison proves nothing.
ldd "$new" | grep -q 'libpcre2-8\.so' && ! ldd "$new" | grep -q 'libpcre\.so'
ldd "$old" | grep -q 'libpcre\.so' && ! ldd "$old" | grep -q 'libpcre2'

work=$(mktemp -d)
if ((keep)); then echo "   work folder: $work"; else trap 'rm -rf "$work"' EXIT; fi

echo "== pcre backends: inputs"
inputs=$work/inputs.txt
: >"$inputs"
for lines in 100000 1000000; do
  tree=$work/trees/lines$lines
  python3 bench/gen_source.py --lines "$lines" --out "$tree" --seed 1 >/dev/null 2>&1
  echo "$tree/main.pb" >>"$inputs"
done
find examples fuzz/corpus fuzz/regressions -type f | sort | sed "s|^|$root/|" >>"$inputs"
python3 - "$work/generated" "$generated" >>"$inputs" <<'EOF'
# Writes random PureBasic-like sources, each in its own folder with files it may include, and
# prints the path of each main file. Seeded: every run writes the same bytes.
import os, random, sys

out, count = sys.argv[1], int(sys.argv[2])
rng = random.Random(7)
words = ["ProcedureDLL", "proceduredll", "PROCEDUREDLL", "Procedure", "ProcedureC",
         "EndProcedure", "If", "EndIf", "For", "Next", "Structure", "EndStructure", "Global",
         "Define", "Protected", "Macro", "EndMacro", "Declare", "DeclareDLL", "Import",
         "Select", "Case", "Default", "Return", "ProcedureReturn", "Add", "Get_Value",
         "name", "x1", "Data", "Double", "Point", "Str", "Len", "Mid", "a", "b", "c"]
types = [".l", ".i", ".s", ".d", ".f", ".b", ".w", ".q", ".a", ".c", ".u", "$", ".Point", ""]
marks = ["(", ")", ",", ".", "*", "=", "+", "-", "/", "\\", "<", ">", "<>", "<=", "&", "|",
         "!", "~", "%", "@", "?", "[", "]", "{", "}", ":", "^", "#", "$", "'", "\""]
ends = ["\n", "\r\n", "\r", "\n\n", ":"]

def piece():
    r = rng.random()
    if r < 0.30:
        return rng.choice(words) + rng.choice(types)
    if r < 0.45:
        return rng.choice(marks)
    if r < 0.52:
        return rng.choice(["0", "12", "007", "1.5", "$FF", "$", "$1aG", "%101", "1e5", "#PB_Any",
                           "#", "#x_1$", "_9", "a9b", "$abc$"])
    if r < 0.60:
        body = "".join(rng.choice("ab ;'\"\t\\$#") for _ in range(rng.randint(0, 8)))
        return '"' + body + rng.choice(['"', "", '"' + '"'])
    if r < 0.66:
        return "; " + "".join(rng.choice("abc ;\"'$") for _ in range(rng.randint(0, 10)))
    if r < 0.70:
        return "'" + rng.choice(["a", "", "ab", "'", "\\"]) + rng.choice(["'", ""])
    if r < 0.74:
        return rng.choice(["IncludeFile", "XIncludeFile", "includefile"]) + ' "' + \
            rng.choice(["inc.pbi", "sub/inc2.pbi", "missing.pbi", "main.pb", "../x.pb"]) + '"'
    if r < 0.80:
        return bytes(rng.randint(1, 255) for _ in range(rng.randint(1, 4))).decode("latin-1")
    if r < 0.82:
        return rng.choice(["\x00", "\xe9t\xe9", "\xc3\xa9", "\xff\xfe", "\x7f"])
    if r < 0.92:
        return rng.choice([" ", "  ", "\t"])
    return rng.choice(ends)

def declaration():
    # Mostly well formed, so that many sources get as far as an import block.
    if rng.random() < 0.7:
        params = ", ".join(rng.choice(["", "*"]) + "p%d" % i + rng.choice([".l", ".s", ".d", ""])
                           for i in range(rng.randint(0, 3)))
        return "\nProcedureDLL%s F%d(%s)\n" % (rng.choice([".l", ".s", ""]), rng.randint(0, 99),
                                                params)
    params = ", ".join(rng.choice(["", "*"]) + rng.choice(words) + rng.choice(types) +
                       rng.choice(["", " = 1", "()", ".s{4}"]) for _ in range(rng.randint(0, 4)))
    return (rng.choice(["ProcedureDLL", "proceduredll", "ProcedureCDLL"]) + rng.choice(types) +
            " " + rng.choice(words) + rng.choice(["(" + params + ")", "(" + params, params]))

def source(size):
    parts = []
    for _ in range(size):
        parts.append(declaration() if rng.random() < 0.1 else piece())
        parts.append(rng.choice([" ", "", "", rng.choice(ends)]))
    text = "".join(parts).encode("latin-1")
    bom = rng.random()
    if bom < 0.05:
        text = b"\xef\xbb\xbf" + text
    elif bom < 0.08:
        text = b"\xff\xfe" + text.decode("latin-1").encode("utf-16-le")
    return text

for n in range(count):
    folder = os.path.join(out, "%04d" % n)
    os.makedirs(os.path.join(folder, "sub"))
    size = rng.choice([1, 5, 20, 80, 300])
    for name in ["main.pb", "inc.pbi", "sub/inc2.pbi"]:
        with open(os.path.join(folder, name), "wb") as f:
            f.write(source(size if name == "main.pb" else size // 2 + 1))
    print(os.path.join(folder, "main.pb"))
EOF
echo "   $(wc -l <"$inputs") inputs"

echo "== pcre backends: compare"
# run PROGRAM OUT ARGS...: stdout, stderr and exit status of one run.
run() {
  local program=$1 prefix=$2
  shift 2
  local status=0
  (cd "$work" && "$program" "$@" >"$prefix.out" 2>"$prefix.err") || status=$?
  echo "$status" >"$prefix.status"
}
checked=0 differing=0
while IFS= read -r input; do
  for mode in tokens block; do
    args=("$input")
    [[ $mode == tokens ]] && args=(--tokens "$input")
    run "$new" "$work/new" "${args[@]}"
    run "$old" "$work/old" "${args[@]}"
    same=1
    for part in status out err; do
      cmp -s "$work/new.$part" "$work/old.$part" || same=0
    done
    checked=$((checked + 1))
    if ((!same)); then
      differing=$((differing + 1))
      if ((differing <= 5)); then
        echo "DIFFERENT ($mode): $input" >&2
        for part in status out err; do
          cmp "$work/new.$part" "$work/old.$part" >&2 || true
        done
      fi
    fi
  done
done <"$inputs"
echo "pcre backends: $checked runs compared, $differing differ"
((differing == 0))
