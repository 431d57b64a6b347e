#!/usr/bin/env bash
# Builds a static 8-bit PCRE2 for 32-bit Windows from Debian's own pcre2 source package.
#   scripts/build-pcre2-mingw.sh PREFIX
# PREFIX gets include/pcre2.h and lib/libpcre2-8.a; the sources are unpacked beside it. Nothing
# is done when PREFIX already holds the library built with the same options.
set -euo pipefail
prefix=$(realpath -m "${1:?usage: build-pcre2-mingw.sh PREFIX}")
host=i686-w64-mingw32
# 8-bit library only, with the JIT that the pattern service uses: no 16/32-bit variants, no
# shared library.
options=(--host="$host" --prefix="$prefix" --enable-static --disable-shared
         --enable-pcre2-8 --disable-pcre2-16 --disable-pcre2-32 --enable-jit
         --disable-pcre2grep-libz --disable-pcre2grep-libbz2 --disable-pcre2test-libreadline)
if [[ -f $prefix/lib/libpcre2-8.a && -f $prefix/include/pcre2.h &&
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
  [[ -f $sources ]] || { echo "build-pcre2-mingw: no $sources to take the mirror from" >&2; exit 1; }
  # The first stanza whose URIs end in /debian, with its Types turned into deb-src.
  stanza=$(awk -v RS= -v ORS='\n\n' '/URIs:[^\n]*\/debian\/?(\n|$)/ { print; exit }' "$sources" |
           sed -E 's/^Types:.*/Types: deb-src/')
  [[ -n $stanza ]] || { echo "build-pcre2-mingw: no Debian entry in $sources" >&2; exit 1; }
  printf '\n%s\n' "$stanza" | $sudo_ tee -a "$sources" >/dev/null
  $sudo_ apt-get update -qq
fi

work=$(dirname "$prefix")/pcre2-src
rm -rf "$work"
mkdir -p "$work"
cd "$work"
# Unpacking needs no privileges; as root apt would warn about its sandbox user. Newest version
# first. Should a mirror not serve a version's Debian files (seen for a stable update whose
# .dsc was missing), its upstream tarball alone will do: the library's sources are the same.
fetched=0
for version in $(apt-cache showsrc pcre2 | sed -n 's/^Version: //p' | sort -ruV); do
  if apt-get source -qq "pcre2=$version" >>apt-source.log 2>&1; then
    fetched=1
    break
  fi
  rm -rf pcre2-* pcre2_*
  if apt-get source -qq --tar-only "pcre2=$version" >>apt-source.log 2>&1; then
    tar -xf pcre2_*.orig.tar.* && fetched=1 && break
  fi
  rm -rf pcre2-* pcre2_*
done
((fetched)) || { cat apt-source.log >&2; exit 1; }
src=$(find . -maxdepth 1 -type d -name 'pcre2-*' | head -n 1)
[[ -n $src ]] || { echo "build-pcre2-mingw: apt-get source gave no pcre2 tree" >&2; exit 1; }
cd "$src"
# Should Debian's patches touch configure.ac or Makefile.am, make the generated files newer again
# so that make does not ask for the autotools.
touch aclocal.m4 configure Makefile.in src/config.h.in

./configure "${options[@]}" >configure.log 2>&1 || { tail -n 40 configure.log >&2; exit 1; }
make -j2 libpcre2-8.la >make.log 2>&1 || { tail -n 40 make.log >&2; exit 1; }
make install-libLTLIBRARIES install-nodist_includeHEADERS \
  >install.log 2>&1 || { tail -n 40 install.log >&2; exit 1; }
test -f "$prefix/lib/libpcre2-8.a" && test -f "$prefix/include/pcre2.h"
echo "${options[*]}" >"$prefix/build-options"
echo "build-pcre2-mingw: $prefix/lib/libpcre2-8.a"
