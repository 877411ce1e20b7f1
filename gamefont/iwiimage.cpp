// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "iwiimage.h"

#include <QtEndian>

#include <array>

namespace {

constexpr qsizetype headerSize = 28;
// Larger than any font's image; keeps a damaged header from asking for gigabytes.
constexpr int maxSide = 4096;

struct Layout {
    int blockSide; // 4 for the DXT formats, whose data comes in 4x4 blocks
    int bytesPerBlock;
};

std::optional<Layout> layoutOf(quint8 format)
{
    switch (format) {
    case IwiImage::Argb32:
        return Layout { 1, 4 };
    case IwiImage::Rgb24:
        return Layout { 1, 3 };
    case IwiImage::LuminanceAlpha:
        return Layout { 1, 2 };
    case IwiImage::Luminance:
    case IwiImage::Alpha:
        return Layout { 1, 1 };
    case IwiImage::Dxt1:
        return Layout { 4, 8 };
    case IwiImage::Dxt3:
    case IwiImage::Dxt5:
        return Layout { 4, 16 };
    }
    return std::nullopt;
}

qsizetype levelBytes(const Layout &layout, int width, int height, int level)
{
    const int w = std::max(1, width >> level);
    const int h = std::max(1, height >> level);
    const int side = layout.blockSide;
    return qsizetype((w + side - 1) / side) * ((h + side - 1) / side) * layout.bytesPerBlock;
}

// Image_ComputeMipCount: the smallest level is the one whose longer side is 1.
int smallestLevel(int width, int height)
{
    int level = 0;
    for (int size = 1; size < width || size < height; size <<= 1)
        ++level;
    return level;
}

QRgb rgb565(quint16 c)
{
    const int r = (c >> 11) & 0x1f, g = (c >> 5) & 0x3f, b = c & 0x1f;
    return qRgb((r << 3) | (r >> 2), (g << 2) | (g >> 4), (b << 3) | (b >> 2));
}

QRgb mix(QRgb a, QRgb b, int wa, int wb)
{
    const int sum = wa + wb;
    return qRgb((qRed(a) * wa + qRed(b) * wb) / sum, (qGreen(a) * wa + qGreen(b) * wb) / sum,
        (qBlue(a) * wa + qBlue(b) * wb) / sum);
}

// The colors of a DXT block: in DXT1 a block whose first color is not above the second has
// three colors and a transparent black; DXT3 and DXT5 always have four.
std::array<QRgb, 4> blockColors(const uchar *block, bool dxt1)
{
    const quint16 c0 = qFromLittleEndian<quint16>(block);
    const quint16 c1 = qFromLittleEndian<quint16>(block + 2);
    const QRgb a = rgb565(c0), b = rgb565(c1);
    if (!dxt1 || c0 > c1)
        return { a, b, mix(a, b, 2, 1), mix(a, b, 1, 2) };
    return { a, b, mix(a, b, 1, 1), qRgba(0, 0, 0, 0) };
}

// The 16 alphas of a DXT5 block's interpolated alpha.
std::array<int, 16> dxt5Alphas(const uchar *block)
{
    std::array<int, 8> levels;
    levels[0] = block[0];
    levels[1] = block[1];
    if (levels[0] > levels[1]) {
        for (int i = 1; i < 7; ++i)
            levels[i + 1] = ((7 - i) * levels[0] + i * levels[1]) / 7;
    } else {
        for (int i = 1; i < 5; ++i)
            levels[i + 1] = ((5 - i) * levels[0] + i * levels[1]) / 5;
        levels[6] = 0;
        levels[7] = 255;
    }
    quint64 bits = 0;
    for (int i = 0; i < 6; ++i)
        bits |= quint64(block[2 + i]) << (8 * i);
    std::array<int, 16> alphas;
    for (int i = 0; i < 16; ++i)
        alphas[i] = levels[(bits >> (3 * i)) & 7];
    return alphas;
}

void decodeDxt(QImage &image, const uchar *data, quint8 format)
{
    const int bytesPerBlock = format == IwiImage::Dxt1 ? 8 : 16;
    const int blocksWide = (image.width() + 3) / 4;
    const int blocksHigh = (image.height() + 3) / 4;
    for (int by = 0; by < blocksHigh; ++by) {
        for (int bx = 0; bx < blocksWide; ++bx) {
            const uchar *block = data + (qsizetype(by) * blocksWide + bx) * bytesPerBlock;
            const uchar *colorBlock = format == IwiImage::Dxt1 ? block : block + 8;
            const std::array<QRgb, 4> colors = blockColors(colorBlock, format == IwiImage::Dxt1);
            const quint32 indices = qFromLittleEndian<quint32>(colorBlock + 4);
            const std::array<int, 16> alphas
                = format == IwiImage::Dxt5 ? dxt5Alphas(block) : std::array<int, 16> {};
            for (int i = 0; i < 16; ++i) {
                const int x = bx * 4 + i % 4, y = by * 4 + i / 4;
                if (x >= image.width() || y >= image.height())
                    continue;
                QRgb pixel = colors[(indices >> (2 * i)) & 3];
                if (format == IwiImage::Dxt3)
                    pixel = qRgba(qRed(pixel), qGreen(pixel), qBlue(pixel),
                        ((block[i / 2] >> (4 * (i % 2))) & 0xf) * 17);
                else if (format == IwiImage::Dxt5)
                    pixel = qRgba(qRed(pixel), qGreen(pixel), qBlue(pixel), alphas[i]);
                image.setPixel(x, y, pixel);
            }
        }
    }
}

// The uncompressed formats as Direct3D lays them out in memory: A8R8G8B8 as bytes B, G, R, A;
// the 24-bit one as B, G, R (Image_LoadBitmap widens it to X8R8G8B8); A8L8 as L, A. An alpha
// image samples as white in the font's color, as the font's letters show.
QRgb bitmapPixel(const uchar *p, quint8 format)
{
    switch (format) {
    case IwiImage::Argb32:
        return qRgba(p[2], p[1], p[0], p[3]);
    case IwiImage::Rgb24:
        return qRgb(p[2], p[1], p[0]);
    case IwiImage::LuminanceAlpha:
        return qRgba(p[0], p[0], p[0], p[1]);
    case IwiImage::Luminance:
        return qRgb(p[0], p[0], p[0]);
    default:
        return qRgba(255, 255, 255, p[0]);
    }
}

} // namespace

QImage IwiImage::decode(QByteArrayView file)
{
    if (file.size() < headerSize || file.first(3) != "IWi" || quint8(file[3]) != 5)
        return {};
    const auto *header = reinterpret_cast<const uchar *>(file.data());
    const quint8 format = header[4];
    const quint8 flags = header[5];
    const int width = qFromLittleEndian<qint16>(header + 6);
    const int height = qFromLittleEndian<qint16>(header + 8);
    const int depth = qFromLittleEndian<qint16>(header + 10);
    const std::optional<Layout> layout = layoutOf(format);
    if (!layout || width < 1 || height < 1 || width > maxSide || height > maxSide || depth != 1)
        return {};
    // The levels come from the smallest to the full size (Image_LoadBitmap, Image_LoadDxtc):
    // the full size is last.
    qsizetype offset = headerSize;
    for (int level = flags & noMipMaps ? 0 : smallestLevel(width, height); level > 0; --level)
        offset += levelBytes(*layout, width, height, level);
    const qsizetype bytes = levelBytes(*layout, width, height, 0);
    if (file.size() - offset < bytes)
        return {};
    const uchar *data = header + offset;
    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull())
        return {};
    if (layout->blockSide == 4) {
        decodeDxt(image, data, format);
        return image;
    }
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x]
                = bitmapPixel(data + (qsizetype(y) * width + x) * layout->bytesPerBlock, format);
    }
    return image;
}
