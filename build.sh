#!/bin/sh
# Sets Tintmark up on Debian 12: installs what is missing, builds a Release build, then
#   ./build.sh run    starts Tintmark
#   ./build.sh test   runs the whole test suite (headless)
#   ./build.sh bench  measures start-up, memory, hand-off and save against their baselines
# Running it again installs nothing and rebuilds only what changed.
set -eu
cd "$(dirname "$0")"

case "${1:-}" in
run | test | bench) ;;
*)
    echo "usage: $0 run|test|bench" >&2
    exit 2
    ;;
esac

# Build tools, Qt, the X headers the start-up timer is built with, the fonts that the fixed
# layouts are drawn for, and the desktop entry checker.
packages="cmake g++ make qt6-base-dev libxcb1-dev fonts-liberation2 desktop-file-utils"
# The benchmark also needs an X server, a session bus, a way to press keys, and GNU time.
[ "$1" != bench ] || packages="$packages xvfb dbus-daemon xdotool time"
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

[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build --parallel 2

case "$1" in
run) exec build/app/tintmark ;;
bench) exec bench/run.sh build ;;
esac
exec ctest --test-dir build --output-on-failure --parallel 2
