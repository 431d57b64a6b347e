# Sourced by the gantrell-cli end-to-end tests: the program under test, a scratch folder to
# work in (gone at exit), and the pass and fail counts.
#   source harness.sh GANTRELL-CLI
set -uo pipefail
cli=$(realpath "$1")
work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
cd "$work" || exit 1
passed=0 failed=0

pass() { passed=$((passed + 1)); }
fail() { failed=$((failed + 1)); echo "FAIL: $*" >&2; }

# summary NAME: the closing count line; the status is 0 only when nothing failed.
summary() {
  echo "$1: $passed passed, $failed failed"
  ((failed == 0))
}
