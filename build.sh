#!/bin/sh
# SPDX-FileCopyrightText: 2026 Tintmark developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets Tintmark up on Debian 12: installs what is missing, builds a Release build, then
#   ./build.sh run           starts Tintmark
#   ./build.sh test          runs the whole test suite (headless)
#   ./build.sh package       builds the Debian package build/tintmark_<version>_<arch>.deb
#   ./build.sh bench         measures start-up, memory, hand-off and save against their baselines
#   ./build.sh windows       cross-builds the portable Windows program and zips it
#   ./build.sh windows-test  the same, then runs the test suite for Windows under Wine
# Running it again installs nothing and rebuilds only what changed.
set -eu
cd "$(dirname "$0")"

case "${1:-}" in
run | test | package | bench | windows | windows-test) ;;
*)
    echo "usage: $0 run|test|package|bench|windows|windows-test" >&2
    exit 2
    ;;
esac

# Build tools, Qt, the X headers the start-up timer is built with, the fonts that the fixed
# layouts are drawn for, and the desktop entry checker.
packages="cmake g++ make qt6-base-dev libxcb1-dev fonts-liberation2 desktop-file-utils"
case "$1" in
# The tests also check the manual page, the AppStream metadata and the package with lintian.
test | package) packages="$packages man-db appstream lintian" ;;
# The benchmark also needs an X server, a session bus, a way to press keys, and GNU time.
bench) packages="$packages xvfb dbus-daemon xdotool time" ;;
# The Windows build needs the MinGW-w64 cross compiler (posix threads, as Qt needs), Ninja and
# the tool that fetches Debian's source of Qt; its tests run under Wine.
windows*) packages="$packages g++-mingw-w64-x86-64-posix ninja-build dpkg-dev wine wine64" ;;
esac
missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $package"
done
if [ -n "$missing" ]; then
    as_root=""
    [ "$(id -u)" -eq 0 ] || as_root=sudo
    $as_root apt-get update
    $as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y $missing
fi

case "$1" in
windows*) exec windows/build.sh "$1" ;;
esac

[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build --parallel 2

case "$1" in
run) exec build/app/tintmark ;;
package) cd build && exec cpack -G DEB ;;
bench) exec bench/run.sh build ;;
esac
exec ctest --test-dir build --output-on-failure --parallel 2
