#!/usr/bin/env bash
# Installs what building and testing Gantrell needs on Debian 12. Safe to run again.
#   scripts/install-deps.sh          build tools, PCRE, GTK 2, GoogleTest
#   scripts/install-deps.sh --test   also the X server, window manager, wine and the tools the
#                                    tests drive them with
set -euo pipefail
sudo_=""
if [[ $EUID -ne 0 ]]; then sudo_="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

packages=(build-essential cmake ninja-build pkg-config libpcre3-dev libgtk2.0-dev
          libgtest-dev libbenchmark-dev)
test_packages=(xvfb openbox xdotool wmctrl x11-utils imagemagick universal-ctags valgrind time python3
               clang libclang-rt-dev g++-mingw-w64-i686 dpkg-dev zip file xauth
               desktop-file-utils man-db)

want=("${packages[@]}")
with_wine=0
if [[ ${1:-} == --test ]]; then
  want+=("${test_packages[@]}")
  with_wine=1
fi

missing=()
for p in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((with_wine)); then
  dpkg --print-foreign-architectures | grep -qx i386 || { $sudo_ dpkg --add-architecture i386; missing+=(wine); }
  for p in wine wine32:i386; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
fi
if ((${#missing[@]})); then
  $sudo_ apt-get update -qq
  $sudo_ apt-get install -y -qq "${missing[@]}" >/dev/null
fi
