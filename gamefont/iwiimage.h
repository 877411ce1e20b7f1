// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef IWIIMAGE_H
#define IWIIMAGE_H

#include <QByteArrayView>
#include <QImage>

// COD 2's image files (images/*.iwi), read as the engine reads them (Image_LoadFromFile and
// Image_LoadFromData, cod2-mp-macho PC/gfx_d3d/r_image_load_obj.c): the tag "IWi" and version
// 5, a 28-byte header, then the mip levels from the smallest to the full size.
namespace IwiImage {

// The header's format byte, as Image_LoadFromData switches on it. 6 to 10 are wavelet-packed,
// which no font uses: the program does not decode them.
enum Format : quint8 {
    Argb32 = 1,
    Rgb24 = 2,
    LuminanceAlpha = 3,
    Luminance = 4,
    Alpha = 5,
    Dxt1 = 11,
    Dxt3 = 12,
    Dxt5 = 13,
};
// The header's flag of an image stored without mip levels.
constexpr quint8 noMipMaps = 0x02;

// The full-size level of the image, or a null image when the file is damaged, too large or of a
// format not decoded.
QImage decode(QByteArrayView file);

} // namespace IwiImage

#endif // IWIIMAGE_H
