#!/bin/sh
# Sets Tintmark up on Debian 12: installs what is missing, builds a Release build, then
#   ./build.sh run    starts Tintmark
#   ./build.sh test   runs the whole test suite (headless)
# Running it again installs nothing and rebuilds only what changed.
set -eu
cd "$(dirname "$0")"

case "${1:-}" in
run | test) ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac

# Build tools, Qt, the fonts that the fixed layouts are drawn for, and the desktop entry checker.
packages="cmake g++ make qt6-base-dev fonts-liberation2 desktop-file-utils"
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

if [ "$1" = run ]; then
    exec build/app/tintmark
fi
exec ctest --test-dir build --output-on-failure --parallel 2
