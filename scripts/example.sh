#!/usr/bin/env bash
# Installs what is missing, builds, and runs Gantrell on the bundled example: the desktop
# program when a display is there, else gantrell-cli, which prints the import block.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" >/dev/null
example=examples/mathlib/mathlib.pb
if [[ -n ${DISPLAY:-} && -x build/gantrell-gtk ]]; then
  exec build/gantrell-gtk "$example"
fi
exec build/gantrell-cli "$example"
