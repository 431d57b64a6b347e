#!/usr/bin/env bash
# Builds a static 8-bit PCRE for 32-bit Windows from Debian's own pcre3 source package.
#   scripts/build-pcre-mingw.sh PREFIX
# PREFIX gets include/pcre.h and lib/libpcre.a; the sources are unpacked beside it. Nothing is
# done when PREFIX already holds the library built with the same options.
set -euo pipefail
prefix=$(realpath -m "${1:?usage: build-pcre-mingw.sh PREFIX}")
host=i686-w64-mingw32
# 8-bit library only, with the JIT that the pattern service uses: no C++ wrapper, no 16/32-bit
# variants, no shared library.
options=(--host="$host" --prefix="$prefix" --enable-static --disable-shared
         --disable-cpp --disable-pcre16 --disable-pcre32 --enable-jit
         --enable-utf8 --enable-unicode-properties
         --disable-pcregrep-libz --disable-pcregrep-libbz2 --disable-pcretest-libreadline)
if [[ -f $prefix/lib/libpcre.a && -f $prefix/include/pcre.h &&
      $(cat "$prefix/build-options" 2>/dev/null) == "${options[*]}" ]]; then
  exit 0
fi
[[ $prefix != / ]] && rm -rf "$prefix"
sudo_=""
if [[ $EUID -ne 0 ]]; then sudo_="sudo"; fi

# apt-get source needs a deb-src entry: add one beside the Debian entry, with its URIs and suites.
sources=/etc/apt/sources.list.d/debian.sources
have_deb_src() {
  grep -qE '^Types:.*deb-src' "$sources" 2>/dev/null ||
    grep -qsE '^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list
}
if ! have_deb_src; then
  [[ -f $sources ]] || { echo "build-pcre-mingw: no $sources to take the mirror from" >&2; exit 1; }
  # The first stanza whose URIs end in /debian, with its Types turned into deb-src.
  stanza=$(awk -v RS= -v ORS='\n\n' '/URIs:[^\n]*\/debian\/?(\n|$)/ { print; exit }' "$sources" |
           sed -E 's/^Types:.*/Types: deb-src/')
  [[ -n $stanza ]] || { echo "build-pcre-mingw: no Debian entry in $sources" >&2; exit 1; }
  printf '\n%s\n' "$stanza" | $sudo_ tee -a "$sources" >/dev/null
  $sudo_ apt-get update -qq
fi

work=$(dirname "$prefix")/pcre-src
rm -rf "$work"
mkdir -p "$work"
cd "$work"
# Unpacking needs no privileges; as root apt would warn about its sandbox user.
apt-get source -qq pcre3 >apt-source.log 2>&1 || { cat apt-source.log >&2; exit 1; }
src=$(find . -maxdepth 1 -type d -name 'pcre3-*' | head -n 1)
[[ -n $src ]] || { echo "build-pcre-mingw: apt-get source gave no pcre3 tree" >&2; exit 1; }
cd "$src"
# Debian's patches touch configure.ac and Makefile.am, and the matching generated files; make the
# generated ones newer again so that make does not ask for the autotools.
touch aclocal.m4 configure Makefile.in config.h.in

./configure "${options[@]}" >configure.log 2>&1 || { tail -n 40 configure.log >&2; exit 1; }
make -j2 libpcre.la >make.log 2>&1 || { tail -n 40 make.log >&2; exit 1; }
make install-libLTLIBRARIES install-includeHEADERS install-nodist_includeHEADERS \
  >install.log 2>&1 || { tail -n 40 install.log >&2; exit 1; }
test -f "$prefix/lib/libpcre.a" && test -f "$prefix/include/pcre.h"
echo "${options[*]}" >"$prefix/build-options"
echo "build-pcre-mingw: $prefix/lib/libpcre.a"
