#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --test
bash scripts/check-shell.sh
jobs=$(nproc)

echo "== build and test (Linux)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"

echo "== unit tests with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGANTRELL_SANITIZE=ON \
  -DGANTRELL_GTK=OFF >/dev/null
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"
bash scripts/fuzz-smoke.sh
bash scripts/valgrind-check.sh --short

# Where PCRE 8.x is still packaged (Debian 12), both builds of the pattern service must agree.
if pkg-config --exists libpcre; then
  bash scripts/test-pcre-backends.sh
else
  echo "== pcre backends: no PCRE 8.x on this system, comparison skipped"
fi

echo "== all tests (Linux, in an X server)"
bash scripts/with-display.sh ctest --test-dir build --output-on-failure
bash scripts/test-package.sh
bash scripts/test-win32.sh
