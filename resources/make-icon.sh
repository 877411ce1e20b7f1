#!/bin/sh
# SPDX-FileCopyrightText: 2026 Tintmark developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders stone.svg into the committed icons, so that a build needs no drawing tools.
# Needs ImageMagick and python3; run it after changing stone.svg.
set -eu
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for size in 16 32 48 256; do
    convert -background none -density 384 stone.svg -resize "${size}x${size}" \
        "png32:$work/stone-$size.png"
    convert "$work/stone-$size.png" -depth 8 "rgba:$work/stone-$size.rgba"
done
python3 make-icon.py tintmark.ico "$work/stone-16.rgba" "$work/stone-32.rgba"
cp "$work/stone-16.rgba" tintmark-16.rgba
cp "$work/stone-32.rgba" tintmark-32.rgba
mkdir -p hicolor
for size in 16 32 48 256; do
    cp "$work/stone-$size.png" "hicolor/tintmark-$size.png"
done
