#!/usr/bin/env bash
# Cross-builds gantrell-win32.exe for 32-bit Windows, checks the executable, runs the unit tests
# and the end-to-end tests under wine, and packs the release zip.
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

echo "== the executable"
objdump=i686-w64-mingw32-objdump
# From the headers, not file(1), whose wording differs between Debian releases.
headers=$($objdump -p "$exe")
grep -q 'file format pei-i386' <<<"$headers" && grep -qE '^Magic\s+010b\s+\(PE32\)' <<<"$headers" &&
  grep -qE '^Subsystem\s+00000002\s+\(Windows GUI\)' <<<"$headers" || { file "$exe"; exit 1; }
system_dlls='^(advapi32|comctl32|comdlg32|gdi32|kernel32|msvcrt|ole32|shell32|user32|winmm)\.dll$'
imports=$($objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
others=$(grep -vE "$system_dlls" <<<"$imports" || true)
[[ -z $others ]] || { echo "imports a DLL that Windows does not ship: $others" >&2; exit 1; }
resources=$(i686-w64-mingw32-windres -i "$exe" -O rc)
grep -q 'FILEVERSION 1, 0, 5, 0' <<<"$resources"
grep -q 'PRODUCTVERSION 1, 0, 5, 0' <<<"$resources"
grep -q '^1 24 /\* RT_MANIFEST \*/' <<<"$resources"
grep -q 'Microsoft.Windows.Common-Controls""\s*version=""6.0.0.0""' <<<"$resources"
types=$(sed -n 's|^/\* Type: \(.*\)$|\1|p' <<<"$resources" | sort | tr '\n' ' ')
[[ $types == "24 version " ]] || { echo "unexpected resources: $types" >&2; exit 1; }
echo "$(basename "$exe"): PE32 i386, imports $(tr '\n' ' ' <<<"$imports"), manifest, version 1.0.5.0"

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

echo "== release zip"
version=$(sed -n 's/^project(gantrell VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
stage=$out/package/gantrell-win32-$version
rm -rf "$out/package"
mkdir -p "$stage"
cp "$exe" "$stage/"
cp packaging/win32/README.txt "$stage/"
zip_file=$out/gantrell-win32-$version.zip
rm -f "$zip_file"
# -l gives the text file the CR LF line ends that Windows editors expect.
(cd "$out/package" && zip -q -X "$zip_file" "gantrell-win32-$version/gantrell-win32.exe" &&
  zip -q -X -l "$zip_file" "gantrell-win32-$version/README.txt")
listing=$(zip -sf "$zip_file")
for name in gantrell-win32.exe README.txt; do
  grep -q "gantrell-win32-$version/$name" <<<"$listing" || { echo "$name missing from the zip" >&2; exit 1; }
done
echo "$(basename "$zip_file"): $(du -k "$zip_file" | cut -f1) KiB"
echo "win32: all passed"
