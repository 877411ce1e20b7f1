#!/bin/sh
# SPDX-FileCopyrightText: 2026 Tintmark developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets Tintmark up on Debian 12: installs what is missing, builds a Release build, then
#   ./build.sh run           starts Tintmark
#   ./build.sh test          runs the whole test suite (headless), then the models' tests under
#                            AddressSanitizer and UndefinedBehaviorSanitizer, and each fuzz
#                            target for 20 seconds when clang is there
#   ./build.sh sanitize      the whole test suite under both sanitizers
#   ./build.sh fuzz [S]      runs each fuzz target for S seconds (default 600)
#   ./build.sh package       builds the Debian package build/tintmark_<version>_<arch>.deb
#   ./build.sh bench         measures start-up, memory, hand-off and save against their baselines
#   ./build.sh windows       cross-builds the portable Windows program and zips it
#   ./build.sh windows-test  the same, then runs the test suite for Windows under Wine
# Running it again installs nothing and rebuilds only what changed.
set -eu
cd "$(dirname "$0")"

case "${1:-}" in
run | test | sanitize | fuzz | package | bench | windows | windows-test) ;;
*)
    echo "usage: $0 run|test|sanitize|fuzz [seconds]|package|bench|windows|windows-test" >&2
    exit 2
    ;;
esac

# Build tools, Qt with the private headers of its zip reader (which reads the games' archives),
# the X headers the start-up timer is built with, the fonts that the fixed layouts are drawn for,
# and the desktop entry checker.
packages="cmake g++ make qt6-base-dev qt6-base-private-dev qt6-tools-dev qt6-l10n-tools
qt6-translations-l10n libxcb1-dev fonts-liberation2 desktop-file-utils"
case "$1" in
# The tests also check the manual page, the AppStream metadata and the package with lintian.
test | package) packages="$packages man-db appstream lintian" ;;
# The fuzz targets are built with clang's libFuzzer.
fuzz) packages="$packages clang" ;;
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

# A Debug build under AddressSanitizer and UndefinedBehaviorSanitizer, in a folder of its own;
# any report ends the test with a failure. TARGETS: what to build, all when empty.
sanitized() {
    flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
    if [ -f build-sanitize/CMakeCache.txt ]; then
        # Configured again, so that a test added since is a target to build.
        cmake -S . -B build-sanitize >/dev/null
    else
        cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="$flags" \
            -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
    fi
    if [ -n "$1" ]; then
        cmake --build build-sanitize --parallel 2 --target $1
    else
        cmake --build build-sanitize --parallel 2
    fi
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir build-sanitize --output-on-failure --parallel 2 -R "${2:-.}" -E 'package|install'
}

# The fuzz targets, built with clang; each runs for SECONDS on its corpus, which keeps every
# input that reached new code. An input that takes more than ten seconds is a finding too: a
# script that runs to the model's bound of 200,000 commands takes about two under the sanitizers.
fuzzed() {
    [ -f build-fuzz/CMakeCache.txt ] || CXX=clang++ cmake -S fuzz -B build-fuzz \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build-fuzz --parallel 2
    for target in console cfgtext gamearchive gamefont iwiimage; do
        mkdir -p "build-fuzz/corpus/$target"
        build-fuzz/fuzz_$target -max_total_time="$1" -timeout=10 -rss_limit_mb=2048 \
            -artifact_prefix="build-fuzz/" -print_final_stats=1 \
            "build-fuzz/corpus/$target" "fuzz/corpus/$target"
    done
}

case "$1" in
sanitize)
    sanitized "" ""
    exit 0
    ;;
fuzz)
    fuzzed "${2:-600}"
    exit 0
    ;;
esac

[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build --parallel 2

case "$1" in
run) exec build/app/tintmark ;;
package) cd build && exec cpack -G DEB ;;
bench) exec bench/run.sh build ;;
esac
ctest --test-dir build --output-on-failure --parallel 2
# The models read what players write and the games' files: their tests run again under the
# sanitizers, and the fuzz targets a while.
models="tst_colorruns tst_consolerun tst_scriptcommands tst_setnameline tst_shownname \
tst_ticktime tst_serverview tst_checkreport tst_filecheck tst_findingfilter tst_gamewords \
tst_problemfinder tst_scriptchecker tst_warningtext tst_cfgreader tst_cfgwriter tst_codepage \
tst_recoverycopy tst_animation tst_configcorpus tst_gameconfigs tst_gamefinder tst_gamelanguage \
tst_installedgames tst_scriptplace tst_gamearchives tst_iwiimage tst_gamefont"
sanitized "$models" "^($(echo "$models" | tr ' ' '|'))\$"
if command -v clang++ >/dev/null; then
    fuzzed 20
fi
