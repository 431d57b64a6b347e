#!/usr/bin/env bash
# Builds the fuzz targets with clang, replays every input of fuzz/regressions/TARGET, then runs
# each target for a short while (20 s, or FUZZ_SECONDS) from its seed corpus. Fails on any
# finding: a crash, a sanitizer report, a failed check, a leak, a hang or runaway memory.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz
seconds=${FUZZ_SECONDS:-20}
targets=(lex_text raw_matches read_line load_source scan_declaration run_gantrell compiler_view)
echo "== fuzz smoke (${seconds}s per target)"
cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null || exit 1
cmake --build "$build" -j 2 >/dev/null || { cmake --build "$build" -j 1; exit 1; }

passed=0 failed=0
for target in "${targets[@]}"; do
  inputs=("$root/fuzz/regressions/$target"/*)
  [[ -e ${inputs[0]} ]] || continue
  if "$build/fuzz_$target" -timeout=10 -rss_limit_mb=2048 "${inputs[@]}" >"$build/replay.log" 2>&1
  then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: $target on a regression input" >&2
    grep -E 'Running:|ERROR|check failed|SUMMARY' "$build/replay.log" | tail -6 >&2
  fi
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for target in "${targets[@]}"; do
  if bash "$root/scripts/fuzz-campaign.sh" --log "$scratch/log" --corpus "$scratch/corpus" \
    --findings "$build/findings" "$seconds" "$target"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: $target found an input that fails; it is kept in $build/findings" >&2
  fi
done
echo "fuzz-smoke: $passed passed, $failed failed"
((failed == 0))
