#!/bin/sh
# SPDX-FileCopyrightText: 2026 Tintmark developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a build and checks what it holds, its control fields, that its
# program is stripped and, where lintian is installed, that lintian has nothing to say.
#   tests/package.sh CPACK BUILD_DIR VERSION
set -eu
cpack=$1 build=$2 version=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log" >&2; fail "cpack"; }
deb="$out/tintmark_${version}_amd64.deb"
[ -f "$deb" ] || deb=$(ls "$out"/tintmark_"$version"_*.deb)

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tintmark ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = utils ] || fail "Section: $(field Section)"
field Depends | grep -q 'libqt6widgets6' || fail "Depends: $(field Depends)"
field Depends | grep -q 'qt6-qpa-plugins' || fail "Depends lacks the window system plugins"
field Description | awk 'length > 80 { bad = 1 } END { exit bad }' || fail "a description line over 80"

contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
for file in ./usr/bin/tintmark ./usr/share/man/man1/tintmark.1.gz \
    ./usr/share/doc/tintmark/copyright ./usr/share/doc/tintmark/changelog.gz \
    ./usr/share/applications/org.tintmark.Tintmark.desktop \
    ./usr/share/metainfo/org.tintmark.Tintmark.metainfo.xml \
    ./usr/share/icons/hicolor/256x256/apps/tintmark.png; do
    echo "$contents" | grep -qx "$file" || fail "$file missing"
done

dpkg-deb -x "$deb" "$out/root"
if readelf -S "$out/root/usr/bin/tintmark" | grep -q '\.symtab'; then
    fail "usr/bin/tintmark is not stripped"
fi
# The copyright file is machine-readable, and names the program's licence.
head -1 "$out/root/usr/share/doc/tintmark/copyright" |
    grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "copyright is not in the machine-readable format"
grep -q '^License: GPL-3.0-or-later' "$out/root/usr/share/doc/tintmark/copyright" ||
    fail "copyright does not name GPL-3.0-or-later"

if command -v lintian >/dev/null; then
    said=$(lintian --fail-on error,warning "$deb" 2>/dev/null) || fail "lintian: $said"
    [ -z "$said" ] || fail "lintian: $said"
else
    echo "lintian is not installed: the package was not checked with it"
fi
echo "tintmark_$version: fields, files and lintian as expected"
