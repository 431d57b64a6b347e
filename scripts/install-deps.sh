#!/usr/bin/env bash
# Installs what building and testing Gantrell needs on Debian 12 or 13. Safe to run again.
#   scripts/install-deps.sh          build tools, PCRE2, GTK 2, GoogleTest
#   scripts/install-deps.sh --test   also the X server, window manager, wine and the tools the
#                                    tests drive them with, and on Debian 12 the old PCRE 8.x that
#                                    the second build of the pattern service is compared with,
#                                    lintian for the package, and shellcheck (with git, which
#                                    lists the scripts) for the shell scripts
set -euo pipefail
sudo_=""
if [[ $EUID -ne 0 ]]; then sudo_="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

packages=(build-essential cmake ninja-build pkg-config libpcre2-dev libgtk2.0-dev
          libgtest-dev libbenchmark-dev)
test_packages=(xvfb openbox xdotool wmctrl x11-utils x11-xserver-utils imagemagick universal-ctags
               valgrind time python3 clang libclang-rt-dev g++-mingw-w64-i686 dpkg-dev zip file
               xauth desktop-file-utils man-db locales lintian strace shellcheck git)

# PCRE 8.x is packaged up to Debian 12 only.
release=$(. /etc/os-release && echo "${VERSION_ID:-}")
if [[ $release == 12 || $release == 11 ]]; then test_packages+=(libpcre3-dev); fi

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
# Another apt-get may hold the package database for a while: wait for it rather than fail.
apt_() {
  local try
  for try in 1 2 3; do
    $sudo_ apt-get -o DPkg::Lock::Timeout=300 "$@" && return 0
    echo "install-deps: apt-get $1 failed (try $try), again in 30 s" >&2
    sleep 30
  done
  return 1
}
if ((${#missing[@]})); then
  apt_ update -qq
  apt_ install -y -qq "${missing[@]}" >/dev/null
fi
