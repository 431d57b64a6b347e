#!/usr/bin/env bash
# Builds the Debian package in build-package (Release, with all of Debian's hardening flags),
# checks it with lintian, installs it with apt-get so that its dependencies resolve, checks what
# it installed, then removes it again. Needs root (or sudo) and the tools of
# scripts/install-deps.sh --test.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
root=$PWD
build=$root/build-package
sudo_=""
if [[ $EUID -ne 0 ]]; then sudo_="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

work=$(mktemp -d)
installed=0
cleanup() {
  if ((installed)); then $sudo_ apt-get remove -y -qq gantrell >/dev/null 2>&1; fi
  rm -rf "$work"
}
trap cleanup EXIT

passed=0 failed=0
pass() { passed=$((passed + 1)); }
fail() { failed=$((failed + 1)); echo "FAIL: $*" >&2; }
# summary: the closing count line; the status is 0 only when nothing failed.
summary() {
  echo "package: $passed passed, $failed failed"
  ((failed == 0))
}
# finish: ends the script here, with the closing count line and its status.
finish() { summary; exit; }
# check NAME COMMAND...: passes when the command succeeds.
check() {
  local name=$1
  shift
  if "$@" >"$work/check.out" 2>&1; then pass; else fail "$name"; sed 's/^/  /' "$work/check.out" >&2; fi
}

for tool in cpack dpkg-buildflags dpkg-deb dpkg-shlibdeps desktop-file-validate man apt-get lintian readelf; do
  command -v "$tool" >/dev/null || { fail "$tool is missing (run scripts/install-deps.sh --test)"; finish; }
done

echo "== package: build (Release, hardened) and cpack"
rm -f "$build"/gantrell_*.deb
# Debian's hardening flags, all of them: _FORTIFY_SOURCE, the stack protector, RELRO with
# immediate binding, and PIE (which Debian's compiler makes by default). CMake takes no CPPFLAGS:
# they go in front of the compiler's flags.
flag() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
if ! cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGANTRELL_TESTS=OFF \
       -DCMAKE_CXX_FLAGS="$(flag CPPFLAGS) $(flag CXXFLAGS)" \
       -DCMAKE_EXE_LINKER_FLAGS="$(flag LDFLAGS)" >/dev/null ||
   ! cmake --build "$build" -j 2 >/dev/null ||
   ! (cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1); then
  cat "$work/cpack.log" >&2 2>/dev/null
  fail "building the package"
  finish
fi
debs=("$build"/gantrell_*.deb)
[[ ${#debs[@]} == 1 && -f ${debs[0]} ]] || { fail "cpack made no single gantrell_*.deb"; finish; }
deb=${debs[0]}
version=$(sed -n 's/^project(gantrell VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
arch=$(dpkg --print-architecture)
echo "   $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB"

# The control fields.
field() { dpkg-deb -f "$deb" "$1"; }
if [[ $(basename "$deb") == "gantrell_${version}_${arch}.deb" ]]; then
  pass
else
  fail "file name $(basename "$deb"), wanted gantrell_${version}_${arch}.deb"
fi
if [[ $(field Package) == gantrell && $(field Version) == "$version" && $(field Section) == devel ]]; then
  pass
else
  fail "control fields: $(field Package) $(field Version) $(field Section)"
fi
if [[ -n $(field Maintainer) && -n $(field Description) ]]; then
  pass
else
  fail "no maintainer or description"
fi
depends=" $(field Depends | sed 's/ *([^)]*)//g; s/,/ /g') "
# Debian 13 renamed some libraries for its 64-bit time_t (libgtk2.0-0t64).
for lib in libc6 libstdc++6 libpcre2-8-0 libgtk2.0-0 libglib2.0-0; do
  if [[ $depends == *" $lib "* || $depends == *" ${lib}t64 "* ]]; then
    pass
  else
    fail "Depends lacks $lib: $(field Depends)"
  fi
done

# The file list: programs, desktop entry and icon, MIME type, manual pages, copyright and
# changelog, and nothing from the tests.
dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|' | grep -v '/$' | sort >"$work/files"
printf '%s\n' /usr/bin/gantrell-cli /usr/bin/gantrell-gtk /usr/share/applications/gantrell.desktop \
  /usr/share/icons/hicolor/scalable/apps/gantrell.svg /usr/share/doc/gantrell/changelog.gz \
  /usr/share/doc/gantrell/copyright /usr/share/man/man1/gantrell-cli.1.gz \
  /usr/share/man/man1/gantrell-gtk.1.gz /usr/share/mime/packages/gantrell-purebasic.xml |
  sort >"$work/wanted-files"
check "package files" diff "$work/wanted-files" "$work/files"

# lintian, pedantic and with its notes: no error, no warning, and none of its notes on hardening
# or on the icon.
lintian -I --pedantic "$deb" >"$work/lintian.txt" 2>"$work/lintian.err"
sed 's/^/   lintian: /' "$work/lintian.txt"
# lacks GREP-ARGUMENT...: passes when grep finds no line, and shows those it finds.
lacks() { ! grep "$@"; }
check "lintian found errors or warnings" lacks -E '^[EW]: ' "$work/lintian.txt"
check "lintian notes on hardening or the icon" lacks -E ': (hardening-|[a-z-]*icon)' "$work/lintian.txt"
# The hardening as the programs show it, whatever lintian's version looks at: position-independent,
# relocations read-only and bound at start, the stack protector in use, and the checked functions
# of _FORTIFY_SOURCE.
# shows PATTERN READELF-ARGUMENT...: readelf's view of the binary has a line matching PATTERN.
# (grep reads from a process substitution: under pipefail, readelf cut short by grep -q would
# fail the check.)
shows() { grep -q "$1" <(readelf "${@:2}"); }
# checked_calls BINARY: the binary calls a function that _FORTIFY_SOURCE checks.
checked_calls() { grep -qE '__[a-z_]+_chk' <(readelf -sW --dyn-syms "$1" | grep -vw __stack_chk_fail); }
dpkg-deb -x "$deb" "$work/root"
for program in gantrell-cli gantrell-gtk; do
  binary=$work/root/usr/bin/$program
  check "$program is not position-independent" shows 'Type:\s*DYN' -h "$binary"
  check "$program has no RELRO" shows GNU_RELRO -lW "$binary"
  check "$program does not bind at start" shows 'FLAGS.*BIND_NOW' -dW "$binary"
  check "$program has no stack protector" shows __stack_chk_fail -sW --dyn-syms "$binary"
  check "$program calls no checked function" checked_calls "$binary"
done

echo "== package: install with apt-get"
if dpkg-query -W -f='${Status}' gantrell 2>/dev/null | grep -q 'install ok installed'; then
  echo "   (a gantrell package was installed already: it is replaced, then removed)"
fi
if $sudo_ apt-get install -y -qq --no-install-recommends "$deb" >"$work/apt.log" 2>&1; then
  installed=1
  pass
else
  cat "$work/apt.log" >&2
  fail "apt-get install $deb"
  finish
fi

# The installed gantrell-cli writes the same bytes as the one built in the tree.
example=examples/mathlib/mathlib.pb
"$build/gantrell-cli" "$example" >"$work/built.pbi" || fail "built gantrell-cli failed on $example"
/usr/bin/gantrell-cli "$example" >"$work/installed.pbi"
check "installed gantrell-cli exit status" test $? = 0
check "installed gantrell-cli output" cmp "$work/built.pbi" "$work/installed.pbi"
if grep -q '^Import ""' "$work/installed.pbi"; then
  pass
else
  fail "installed gantrell-cli wrote no import block"
fi
if (cd "$work" && /usr/bin/gantrell-cli -o saved.pbi "$root/$example") &&
   cmp -s "$work/saved.pbi" "$work/built.pbi"; then
  pass
else
  fail "installed gantrell-cli -o"
fi
check "installed gantrell-cli --version" test "$(/usr/bin/gantrell-cli --version)" = "gantrell-cli $version"

# gantrell-gtk loads its libraries and, with no display, says so and exits with 1.
check "installed programs find their libraries" bash -c \
  '! ldd /usr/bin/gantrell-gtk /usr/bin/gantrell-cli | grep "not found"'
env -u DISPLAY /usr/bin/gantrell-gtk "$example" >/dev/null 2>"$work/gtk.err"
status=$?
if [[ $status == 1 ]] && grep -q '^gantrell-gtk: cannot open the X display' "$work/gtk.err"; then
  pass
else
  fail "gantrell-gtk without a display: status $status"
  cat "$work/gtk.err" >&2
fi

# Manual pages: found by man, with the project's version filled in.
for page in gantrell-cli gantrell-gtk; do
  check "man -w $page" test "$(man -w "$page")" = "/usr/share/man/man1/$page.1.gz"
  MANWIDTH=80 man -P cat "$page" 2>"$work/man.err" >"$work/man.txt"
  if grep -q "Gantrell $version" "$work/man.txt" && ! grep -q '@' "$work/man.txt" && [[ ! -s $work/man.err ]]; then
    pass
  else
    fail "man $page renders badly"
    head -5 "$work/man.err" >&2
  fi
done

# The desktop entry validates and runs gantrell-gtk with the file; the MIME database and the
# desktop database (refreshed by their packages' triggers) know PureBasic sources.
desktop=/usr/share/applications/gantrell.desktop
check "desktop-file-validate" desktop-file-validate "$desktop"
check "desktop entry Exec" grep -qx 'Exec=gantrell-gtk %f' "$desktop"
check "desktop entry Icon" grep -qx 'Icon=gantrell' "$desktop"
check "the icon in the hicolor theme" test -s /usr/share/icons/hicolor/scalable/apps/gantrell.svg
for glob in pb pbi pbf; do
  check "MIME glob *.$glob" grep -qx "50:text/x-purebasic:\*\.$glob" /usr/share/mime/globs2
done
check "mimeinfo.cache" grep -q '^text/x-purebasic=.*gantrell\.desktop' /usr/share/applications/mimeinfo.cache

echo "== package: remove"
if $sudo_ apt-get remove -y -qq gantrell >"$work/apt.log" 2>&1; then
  installed=0
  pass
else
  cat "$work/apt.log" >&2
  fail "apt-get remove gantrell"
fi
for f in /usr/bin/gantrell-cli /usr/bin/gantrell-gtk "$desktop" /usr/share/man/man1/gantrell-cli.1.gz; do
  if [[ ! -e $f ]]; then pass; else fail "$f is still there after the removal"; fi
done
if grep -q 'text/x-purebasic' /usr/share/mime/globs2; then
  fail "MIME type still known after the removal"
else
  pass
fi
summary
