#!/usr/bin/env bash
# Follows the README on Debian 13 (trixie): a minimal root made with debootstrap from the same
# Debian mirror that apt uses here, a clean clone of this repository inside it, and the README's
# commands run in a chroot. Then the import blocks that the Debian 13 build writes for the
# benchmark trees must be the same bytes as those of a build here.
#   scripts/test-debian13.sh          the example, the build, the unit tests and the end-to-end
#                                     tests of gantrell-cli and gantrell-gtk (in Xvfb)
#   scripts/test-debian13.sh --full   the example and the whole of scripts/test.sh
# The untouched root is kept in build-debian13/base and the downloaded packages in
# build-debian13/archives; every run starts again from a fresh copy of the base. Needs root.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
full=0
[[ ${1:-} == --full ]] && full=1
[[ $EUID -eq 0 ]] || { echo "test-debian13: needs root (debootstrap, chroot, mount)" >&2; exit 1; }
export DEBIAN_FRONTEND=noninteractive
cache=$repo/build-debian13
base=$cache/base
root=$cache/root
mkdir -p "$cache/archives"

stamp() { printf '%(%H:%M:%S)T  %s\n' -1 "$*"; }
started=$SECONDS
lap=$SECONDS
# timed NAME: prints how long the step since the last one took.
timed() {
  echo "   $1: $((SECONDS - lap)) s"
  lap=$SECONDS
}

# The mirror of this machine's Debian entry: deb822 sources first, then the one-line format.
mirror=$(awk '/^URIs:/ && $2 ~ /\/debian\/?$/ { print $2; exit }' \
           /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
[[ -n $mirror ]] || mirror=$(awk '$1 == "deb" && $2 ~ /\/debian\/?$/ { print $2; exit }' \
                               /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null || true)
[[ -n $mirror ]] || { echo "test-debian13: no Debian mirror in apt's sources" >&2; exit 1; }
security=${mirror%/debian}/debian-security
security=${security%/}

command -v debootstrap >/dev/null || {
  apt-get -o DPkg::Lock::Timeout=300 update -qq
  apt-get -o DPkg::Lock::Timeout=300 install -y -qq debootstrap >/dev/null
}

stamp "debian13: base root ($mirror)"
if [[ ! -f $base/.complete ]]; then
  rm -rf "$base" "$base.partial"
  debootstrap --variant=minbase trixie "$base.partial" "$mirror" >"$cache/debootstrap.log" 2>&1 ||
    { tail -n 30 "$cache/debootstrap.log" >&2; exit 1; }
  # Apt's sources as a Debian 13 installation writes them (deb822), and no services started by
  # package installs inside the chroot.
  rm -f "$base.partial/etc/apt/sources.list"
  cat >"$base.partial/etc/apt/sources.list.d/debian.sources" <<EOF
Types: deb
URIs: $mirror
Suites: trixie trixie-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: $security
Suites: trixie-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
  printf '#!/bin/sh\nexit 101\n' >"$base.partial/usr/sbin/policy-rc.d"
  chmod +x "$base.partial/usr/sbin/policy-rc.d"
  touch "$base.partial/.complete"
  mv "$base.partial" "$base"
fi
grep -q '^VERSION_ID="13"' "$base/etc/os-release"
timed "base root"

# A fresh copy of the base, with the kernel's file systems and the package cache mounted in.
unmount_all() {
  local target
  for target in tmp/.X11-unix var/cache/apt/archives dev sys proc; do
    if mountpoint -q "$root/$target"; then
      umount -R "$root/$target" 2>/dev/null || umount -lR "$root/$target"
    fi
  done
}
trap unmount_all EXIT
unmount_all
# Never delete through a mount that is still there (the host's /dev, say).
if grep -q " $root/" /proc/mounts; then
  echo "test-debian13: something is still mounted under $root" >&2
  exit 1
fi
rm -rf --one-file-system "$root"
cp -a "$base" "$root"
mount -t proc proc "$root/proc"
mount --rbind /sys "$root/sys" && mount --make-rslave "$root/sys"
mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev"
mount --bind "$cache/archives" "$root/var/cache/apt/archives"
# X servers listen on abstract sockets too, which a chroot shares with this machine: with the
# socket folder shared as well, a display started inside never takes a number in use outside.
[[ -d /tmp/.X11-unix ]] || install -d -m 1777 /tmp/.X11-unix
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
cp /etc/resolv.conf "$root/etc/resolv.conf"
git clone -q --no-local "$repo" "$root/root/gantrell"
# inside COMMAND: runs a shell command in the clone.
inside() {
  chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    DEBIAN_FRONTEND=noninteractive bash -c "cd /root/gantrell && $1"
}
timed "fresh copy"

stamp "debian13: bash scripts/example.sh"
if ! inside 'bash scripts/example.sh' >"$cache/example.out"; then
  # The example keeps the build quiet; show what stopped it.
  inside 'cmake --build build -j 2 2>&1 | tail -n 40' >&2 || true
  exit 1
fi
head -n 1 "$cache/example.out" | grep -q '^Import ""' ||
  { echo "test-debian13: the example printed no import block" >&2; exit 1; }
timed "example (install, build, run)"

stamp "debian13: the test tools (scripts/install-deps.sh --test)"
inside 'bash scripts/install-deps.sh --test'
timed "test tools"

if ((full)); then
  stamp "debian13: bash scripts/test.sh"
  inside 'bash scripts/test.sh'
  timed "scripts/test.sh"
else
  stamp "debian13: build, unit tests, end-to-end tests (CLI, GTK in Xvfb)"
  inside 'cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null &&
    cmake --build build -j 2 && bash scripts/with-display.sh ctest --test-dir build --output-on-failure'
  timed "build and tests"
fi

stamp "debian13: import blocks of the benchmark trees against this machine's build"
cmake -S . -B "$cache/host" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGANTRELL_GTK=OFF \
  -DGANTRELL_TESTS=OFF >/dev/null
cmake --build "$cache/host" -j 2 --target gantrell-cli >/dev/null
for lines in 100000 1000000; do
  tree=root/trees/lines$lines
  python3 bench/gen_source.py --lines "$lines" --out "$root/$tree" --seed 1 >/dev/null 2>&1
  (cd "$root/$tree" && "$cache/host/gantrell-cli" main.pb >"$cache/block-here.txt")
  inside "cd /$tree && /root/gantrell/build/gantrell-cli main.pb" >"$cache/block-13.txt"
  cmp "$cache/block-here.txt" "$cache/block-13.txt"
  echo "   lines$lines: $(wc -c <"$cache/block-13.txt") bytes, the same from both builds"
done
timed "blocks compared"
echo "debian13: all passed in $((SECONDS - started)) s"
