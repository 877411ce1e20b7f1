#!/bin/sh
# SPDX-FileCopyrightText: 2026 Tintmark developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the static Qt for Windows that the portable tintmark.exe links, from Debian's own
# source of the Qt the host has (so the host's moc, rcc and uic match it), once: later runs
# find it installed and return at once.
#   windows/build-qt.sh CACHE_DIR
# installs Qt into a folder of CACHE_DIR and prints that folder; its progress goes to stderr.
set -eu
exec 3>&1 1>&2
here=$(cd "$(dirname "$0")" && pwd)
cache=$1
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
upstream=$(echo "$version" | sed 's/+.*//')
prefix="$cache/qt-$upstream-win64-static"
if [ -f "$prefix/.complete" ]; then
    echo "$prefix" >&3
    exit 0
fi

as_root=""
[ "$(id -u)" -eq 0 ] || as_root=sudo
mkdir -p "$cache"
source_dir="$cache/qt6-base-$(echo "$version" | sed 's/-[^-]*$//')"
if [ ! -f "$source_dir/configure" ]; then
    echo "== Fetching Debian's source of qt6-base $version"
    # Debian serves source packages from deb-src entries that mirror the deb entries.
    if ! apt-get source -q --print-uris "qt6-base=$version" >/dev/null 2>&1; then
        if [ -f /etc/apt/sources.list.d/debian.sources ]; then
            sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
                $as_root tee /etc/apt/sources.list.d/debian-src.sources >/dev/null
        else
            sed -n 's/^deb /deb-src /p' /etc/apt/sources.list |
                $as_root tee /etc/apt/sources.list.d/debian-src.list >/dev/null
        fi
        $as_root apt-get update -q
    fi
    (cd "$cache" && apt-get source -q "qt6-base=$version")
fi

build_dir="$cache/qt-build"
rm -rf "$build_dir" "$prefix"
mkdir -p "$build_dir"
cd "$build_dir"
echo "== Configuring Qt $upstream for 64-bit Windows (static)"
# Only what Tintmark's widgets and tests need. Debian's source has no tablet headers and its
# cross patch turns the Android deploy tool on; offscreen comes with FreeType, for the tests.
"$source_dir/configure" -prefix "$prefix" -release -static -static-runtime \
    -xplatform win32-g++ -qt-host-path /usr -nomake examples -nomake tests \
    -no-icu -no-opengl -no-dbus -no-zstd -no-feature-vulkan \
    -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-xml \
    -no-feature-concurrent -no-feature-tabletevent -no-feature-androiddeployqt \
    -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre \
    -- -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
echo "== Building Qt (about 25 minutes on two cores; Ninja counts the steps)"
cmake --build . --parallel 2
cmake --install .
# The build and the source take 2 GB; only the installed Qt is kept.
cd "$cache"
rm -rf "$build_dir" "$source_dir" qt6-base_*
touch "$prefix/.complete"
echo "== Static Qt for Windows installed in $prefix"
echo "$prefix" >&3
