#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Tintmark developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds tintmark.ico from raw RGBA renderings of stone.svg (see make-icon.sh).

The icon holds four images: 16 and 32 pixels, each in 16 and in 256 colors, as classic
palette bitmaps with a 1-bit transparency mask.
"""
import struct
import sys


def read_rgba(path, size):
    data = open(path, 'rb').read()
    assert len(data) == size * size * 4, path
    return [tuple(data[i:i + 4]) for i in range(0, len(data), 4)]


# The 16-color image uses the standard Windows palette; its grays carry the stone.
VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
         (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
# The 256-color image: 256 grays, enough for a gray stone.
GRAYS = [(v, v, v) for v in range(256)]


def nearest(palette, rgb):
    # Only the palette's grays: antialiased edges would otherwise pick up olive or teal.
    grays = [i for i, (r, g, b) in enumerate(palette) if r == g == b]
    return min(grays, key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], rgb)))


def bitmap(pixels, size, palette, bits):
    opaque = [p[3] >= 128 for p in pixels]
    indices = [nearest(palette, p[:3]) if o else 0 for p, o in zip(pixels, opaque)]
    rows_color, rows_mask = [], []
    for y in reversed(range(size)):  # bitmaps run bottom-up
        row = indices[y * size:(y + 1) * size]
        if bits == 4:
            packed = bytes((row[x] << 4) | row[x + 1] for x in range(0, size, 2))
        else:
            packed = bytes(row)
        rows_color.append(packed + b'\0' * (-len(packed) % 4))
        mask = opaque[y * size:(y + 1) * size]
        mbytes = bytes(sum((0 if mask[x + b] else 1) << (7 - b) for b in range(8))
                       for x in range(0, size, 8))
        rows_mask.append(mbytes + b'\0' * (-len(mbytes) % 4))
    color = b''.join(rows_color)
    masks = b''.join(rows_mask)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0,
                         len(color) + len(masks), 0, 0, len(palette), 0)
    table = b''.join(struct.pack('BBBB', b, g, r, 0) for r, g, b in palette)
    return header + table + color + masks


def main(out, rgba16, rgba32):
    images = []
    for size, path in ((16, rgba16), (32, rgba32)):
        pixels = read_rgba(path, size)
        images.append((size, 16, 4, bitmap(pixels, size, VGA16, 4)))
        images.append((size, 0, 8, bitmap(pixels, size, GRAYS, 8)))
    offset = 6 + 16 * len(images)
    directory = struct.pack('<HHH', 0, 1, len(images))
    for size, colors, bits, data in images:
        directory += struct.pack('<BBBBHHII', size, size, colors, 0, 1, bits, len(data), offset)
        offset += len(data)
    with open(out, 'wb') as f:
        f.write(directory + b''.join(d for *_, d in images))


if __name__ == '__main__':
    main(*sys.argv[1:])
