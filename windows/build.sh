#!/bin/sh
# SPDX-FileCopyrightText: 2026 Tintmark developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows half of ../build.sh, once the packages are in place:
#   windows/build.sh windows        cross-builds tintmark.exe and zips it with its read-me
#   windows/build.sh windows-test   the same, then runs the test suite under Wine
# The static Qt and the Wine prefix live in a cache folder outside the checkout, made once.
set -eu
cd "$(dirname "$0")/.."
cache="${XDG_CACHE_HOME:-$HOME/.cache}/tintmark-windows"
qt=$(windows/build-qt.sh "$cache")

# Qt's toolchain file finds the static Qt and the host's tools, then loads the compilers'.
build=build-windows
[ -f $build/CMakeCache.txt ] || cmake -S . -B $build -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/windows/mingw-w64-x86_64.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR=/usr/bin/wine
if [ "$1" = windows-test ]; then
    cmake --build $build --parallel 2
else
    cmake --build $build --parallel 2 --target tintmark
fi

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' $build/CMakeCache.txt)
name=tintmark-$version-win64
rm -rf "$build/package"
cmake --install $build --prefix "$build/package/$name"

# A portable program needs no DLL beside it: only Windows' own, never the compiler's or Qt's.
program="$build/package/$name/tintmark.exe"
dlls=$(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^\tDLL Name: //p')
if [ -z "$dlls" ] || echo "$dlls" | grep -i -E '^(lib|qt|zlib)'; then
    echo "$program needs the DLLs above, which Windows does not have" >&2
    exit 1
fi

rm -f "$build/$name.zip"
(cd $build/package && cmake -E tar cf "../$name.zip" --format=zip "$name")
echo "== Wrote $build/$name.zip: unzip it on 64-bit Windows 10 or 11 and run tintmark.exe"
[ "$1" = windows-test ] || exit 0

# The tests run on Qt's offscreen platform, in a Wine prefix of their own, made once without
# the .NET and HTML engines that Wine would otherwise offer to download.
export WINEPREFIX="$cache/wine" WINEDEBUG=-all
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== Making a Wine prefix in $WINEPREFIX"
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot --init
    wineserver --wait
fi
exec ctest --test-dir $build --output-on-failure --parallel 2 --timeout 300
