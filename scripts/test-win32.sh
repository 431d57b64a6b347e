#!/usr/bin/env bash
# Cross-builds gantrell-win32.exe and gantrell-cli.exe for 32-bit Windows, checks the
# executables, runs the unit tests and the end-to-end tests under wine, and packs the release zip.
#   scripts/test-win32.sh                 everything, in build-win32/
#   scripts/test-win32.sh --screenshots   also renews docs/screenshots/win32-*.png
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$root/build-win32
jobs=2
screenshots=0
[[ ${1:-} == --screenshots ]] && screenshots=1

bash scripts/install-deps.sh --test
mkdir -p "$out"

echo "== PCRE2 and GoogleTest for mingw-w64"
bash scripts/build-pcre2-mingw.sh "$out/pcre2-prefix"
if [[ ! -f $out/gtest-prefix/lib/cmake/GTest/GTestConfig.cmake ]]; then
  cmake -S /usr/src/googletest -B "$out/gtest-build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON -DCMAKE_INSTALL_PREFIX="$out/gtest-prefix" >/dev/null
  cmake --build "$out/gtest-build" -j "$jobs" >/dev/null
  cmake --install "$out/gtest-build" >/dev/null
fi

echo "== cross build (i686-w64-mingw32)"
cmake -S . -B "$out" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DGANTRELL_PCRE_ROOT="$out/pcre2-prefix" \
  -DGTest_DIR="$out/gtest-prefix/lib/cmake/GTest" >/dev/null
cmake --build "$out" -j "$jobs"
exe=$out/gantrell-win32.exe
cli_exe=$out/gantrell-cli.exe

echo "== the executables"
objdump=i686-w64-mingw32-objdump
system_dlls='^(advapi32|comctl32|comdlg32|gdi32|kernel32|msvcrt|ole32|shell32|user32|winmm)\.dll$'
# check_exe EXE SUBSYSTEM: a PE32 for i386 of that subsystem, with address-space layout
# randomisation and no-execute data (DYNAMIC_BASE, NX_COMPAT), importing only Windows' own DLLs.
# From the headers, not file(1), whose wording differs between Debian releases.
check_exe() {
  local headers imports others
  headers=$($objdump -p "$1")
  { grep -q 'file format pei-i386' <<<"$headers" && grep -qE '^Magic\s+010b\s+\(PE32\)' <<<"$headers" &&
    grep -qE "^Subsystem\s+$2" <<<"$headers"; } || { file "$1"; exit 1; }
  { grep -A4 '^DllCharacteristics' <<<"$headers" | grep -qw DYNAMIC_BASE &&
    grep -A4 '^DllCharacteristics' <<<"$headers" | grep -qw NX_COMPAT; } ||
    { echo "$1: no DYNAMIC_BASE or NX_COMPAT" >&2; exit 1; }
  # Without relocations the loader can't move the image, whatever the flag says.
  $objdump -h "$1" | grep -q '\.reloc' || { echo "$1: no relocations" >&2; exit 1; }
  imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr '[:upper:]' '[:lower:]')
  others=$(grep -vE "$system_dlls" <<<"$imports" || true)
  [[ -z $others ]] || { echo "$1 imports a DLL that Windows does not ship: $others" >&2; exit 1; }
  echo "$(basename "$1"): PE32 i386, DYNAMIC_BASE NX_COMPAT, imports $(tr '\n' ' ' <<<"$imports")"
}
check_exe "$exe" '00000002\s+\(Windows GUI\)'
check_exe "$cli_exe" '00000003\s+\(Windows CUI\)'
resources=$(i686-w64-mingw32-windres -i "$exe" -O rc)
grep -q 'FILEVERSION 1, 0, 5, 0' <<<"$resources"
grep -q 'PRODUCTVERSION 1, 0, 5, 0' <<<"$resources"
grep -q '^1 24 /\* RT_MANIFEST \*/' <<<"$resources"
grep -q 'Microsoft.Windows.Common-Controls""\s*version=""6.0.0.0""' <<<"$resources"
types=$(sed -n 's|^/\* Type: \(.*\)$|\1|p' <<<"$resources" | sort | tr '\n' ' ')
[[ $types == "24 version " ]] || { echo "unexpected resources: $types" >&2; exit 1; }
echo "$(basename "$exe"): manifest, version 1.0.5.0"

echo "== wine prefix"
export WINEPREFIX=$out/wineprefix WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
stop_wine() { wineserver -k 2>/dev/null || true; }
trap stop_wine EXIT
if [[ ! -f $WINEPREFIX/system.reg ]]; then
  timeout 300 wineboot -i >/dev/null 2>&1
  timeout 60 wineserver -w
fi

echo "== unit tests under wine"
ctest --test-dir "$out" --output-on-failure -j "$jobs" --timeout 300

echo "== end-to-end tests under wine"
# The Linux command-line program gives the expected bytes.
cmake -S . -B "$out/host" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGANTRELL_GTK=OFF \
  -DGANTRELL_TESTS=OFF >/dev/null
cmake --build "$out/host" -j "$jobs" --target gantrell-cli >/dev/null
if ((screenshots)); then export GANTRELL_SCREENSHOTS=$root/docs/screenshots; fi
bash scripts/with-display.sh bash tests/e2e/win32/run.sh "$exe" "$out/host/gantrell-cli" \
  "$root/examples/mathlib"
# gantrell-cli.exe: the same scripts as the Linux program, with the cases that only a Linux
# system can set up left out (see harness.sh), and the IDE tool of the READMEs' Windows form.
# One wine server stays up for their 150 or so runs. Its services start here, with no pipe to
# hold open: started by a run whose output a script reads, they would keep the pipe, and the
# script waiting, for as long as the server lives.
timeout 60 wineserver -w
wineserver -p
wine cmd /c exit </dev/null >/dev/null 2>&1
for script in cli_test corpus_test bad_input_test ide_tool_test; do
  bash "tests/e2e/$script.sh" "$cli_exe"
done

echo "== release zip"
version=$(sed -n 's/^project(gantrell VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
stage=$out/package/gantrell-win32-$version
rm -rf "$out/package"
mkdir -p "$stage"
cp "$exe" "$cli_exe" "$stage/"
cp packaging/win32/README.txt "$stage/"
cp LICENSE "$stage/LICENSE.txt"
# The licences of what is linked into the executables: PCRE2 (from the source it was built
# from), and the mingw-w64 runtime (its start-up code, mingwex, winpthreads) and GCC's libgcc and
# libstdc++, as Debian's packages of them state them.
mkdir "$stage/licenses"
# PCRE2 10.45 renamed its LICENCE to LICENCE.md (Debian 13 has 10.46, Debian 12 10.42).
pcre2_licence=$(find "$out/pcre2-src" -maxdepth 2 \( -name LICENCE -o -name LICENCE.md \) | head -n 1)
[[ -n $pcre2_licence ]] || { echo "no LICENCE or LICENCE.md in $out/pcre2-src" >&2; exit 1; }
cp "$pcre2_licence" "$stage/licenses/PCRE2.txt"
cp /usr/share/doc/mingw-w64-i686-dev/copyright "$stage/licenses/mingw-w64.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licenses/GCC-runtime.txt"
zip_file=$out/gantrell-win32-$version.zip
rm -f "$zip_file"
# -l gives the text files the CR LF line ends that Windows editors expect.
(cd "$out/package" && zip -q -X "$zip_file" "gantrell-win32-$version"/*.exe &&
  zip -q -X -l "$zip_file" "gantrell-win32-$version"/*.txt "gantrell-win32-$version"/licenses/*.txt)
listing=$(zip -sf "$zip_file")
for name in gantrell-win32.exe gantrell-cli.exe README.txt LICENSE.txt licenses/PCRE2.txt \
  licenses/mingw-w64.txt licenses/GCC-runtime.txt; do
  grep -q "gantrell-win32-$version/$name" <<<"$listing" || { echo "$name missing from the zip" >&2; exit 1; }
done
echo "$(basename "$zip_file"): $(du -k "$zip_file" | cut -f1) KiB"
echo "win32: all passed"
