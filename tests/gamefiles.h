// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GAMEFILES_H
#define GAMEFILES_H

// Small game files made in the formats the engine reads, since the games' own cannot ship with
// the tests: a font, its material, its image, and the archives that hold them.

#include "gamefont/iwiimage.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QtEndian>
#include <QtGui/private/qzipwriter_p.h>

#include <cstring>
#include <utility>

namespace GameFiles {

inline void append32(QByteArray &bytes, qint32 value)
{
    const qint32 little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&little), 4);
}

inline void appendFloat(QByteArray &bytes, float value)
{
    const float little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&little), 4);
}

struct Glyph {
    quint16 letter;
    qint8 x0, y0, dx;
    quint8 width, height;
    float s0, t0, s1, t1;
};

// A font of the 96 ASCII glyphs, each given one or else an empty glyph of advance 1, and the
// extra glyphs, which must be sorted by letter.
inline QByteArray font(
    int pixelHeight, const QList<Glyph> &ascii, const QList<Glyph> &extra, const char *material)
{
    QList<Glyph> glyphs;
    for (quint16 letter = 0x20; letter < 0x80; ++letter)
        glyphs.append({ letter, 0, 0, 1, 0, 0, 0, 0, 0, 0 });
    for (const Glyph &glyph : ascii)
        glyphs[glyph.letter - 0x20] = glyph;
    glyphs.append(extra);
    QByteArray bytes;
    const qint32 strings = 16 + 24 * qint32(glyphs.size());
    append32(bytes, strings);
    append32(bytes, pixelHeight);
    append32(bytes, qint32(glyphs.size()));
    append32(bytes, strings + 5);
    for (const Glyph &g : glyphs) {
        const quint16 letter = qToLittleEndian(g.letter);
        bytes.append(reinterpret_cast<const char *>(&letter), 2);
        bytes.append(char(g.x0)).append(char(g.y0)).append(char(g.dx));
        bytes.append(char(g.width)).append(char(g.height)).append('\0');
        appendFloat(bytes, g.s0);
        appendFloat(bytes, g.t0);
        appendFloat(bytes, g.s1);
        appendFloat(bytes, g.t1);
    }
    bytes.append("font", 5).append(material, qsizetype(strlen(material)) + 1);
    return bytes;
}

// A material of one color map drawn from image, after a texture of another semantic.
inline QByteArray material(const char *image)
{
    QByteArray bytes(68, '\0');
    qToLittleEndian<qint16>(2, bytes.data() + 52);
    qToLittleEndian<qint32>(68, bytes.data() + 60);
    const qint32 strings = 68 + 2 * 12;
    for (const auto &[semantic, name] : { std::pair { 3, "normal" }, std::pair { 2, image } }) {
        append32(bytes, strings);
        bytes.append('\0').append(char(semantic)).append(2, '\0');
        append32(bytes, strings + 9 + (semantic == 2 ? 7 : 0));
    }
    bytes.append("colorMap", 9).append("normal", 7).append(image, qsizetype(strlen(image)) + 1);
    return bytes;
}

// An image file: the header, then data, which holds every level the flags promise.
inline QByteArray iwi(quint8 format, quint8 flags, int width, int height, const QByteArray &data)
{
    QByteArray bytes("IWi\x05", 4);
    bytes.append(char(format)).append(char(flags));
    for (const int side : { width, height, 1 }) {
        const qint16 little = qToLittleEndian(qint16(side));
        bytes.append(reinterpret_cast<const char *>(&little), 2);
    }
    for (int i = 0; i < 4; ++i)
        append32(bytes, 28 + qint32(data.size()));
    return bytes + data;
}

// An archive holding files, each a path and its bytes.
inline QByteArray archive(const QList<std::pair<QString, QByteArray>> &files)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QZipWriter writer(&buffer);
    writer.setCompressionPolicy(QZipWriter::AutoCompress);
    for (const auto &[path, bytes] : files)
        writer.addFile(path, bytes);
    writer.close();
    return buffer.data();
}

inline bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// An archive as COD 2's first: its normal font, of one glyph, A, a white square drawn two
// pixels wide and high from an image of four texels, with its material and its image.
inline QByteArray fontArchive()
{
    return archive(
        { { "fonts/normalfont",
              font(16, { { 'A', 0, -9, 9, 2, 2, 0, 0, 1, 1 } }, {}, "fonts/gamefonts_pc") },
            { "materials/fonts/gamefonts_pc", material("gamefonts_pc") },
            { "images/gamefonts_pc.iwi",
                iwi(IwiImage::Alpha, IwiImage::noMipMaps, 2, 2, QByteArray(4, '\xff')) } });
}

// COD 2 installed from Steam under home, its first archive as given; the folder it is found in.
inline QString installCod2(const QString &home, const QByteArray &firstArchive)
{
    const QString folder
        = home + QStringLiteral("/.local/share/Steam/steamapps/common/Call of Duty 2/main");
    return QDir().mkpath(folder) && write(folder + QStringLiteral("/iw_00.iwd"), firstArchive)
        ? folder
        : QString();
}

} // namespace GameFiles

#endif // GAMEFILES_H
