// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GAMEFONT_H
#define GAMEFONT_H

#include <QByteArrayView>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

#include <optional>

class GameArchives;

// One of COD 2's fonts (fonts/*), as R_LoadFont reads it (cod2-mp-macho
// PC/gfx_d3d/r_font_load_obj.c): a 16-byte header (the offsets of its name and of its
// material's name, its pixel height, its glyph count), then the glyphs, 24 bytes each, sorted by
// letter; with the image its material draws from.
class GameFont {
public:
    struct Glyph {
        quint16 letter;
        qint8 x0; // from the pen to the glyph's left edge
        qint8 y0; // from the baseline to the glyph's top, up being negative
        qint8 dx; // the advance
        quint8 pixelWidth;
        quint8 pixelHeight;
        QRectF texture; // s0, t0 to s1, t1: the glyph's place in the image, 0 to 1
    };

    // The font file's glyphs, or nothing for a damaged file; image and material left empty.
    static std::optional<GameFont> parse(QByteArrayView file);
    // The image of a material file (materials/*): the color map's, as COD 2's material files
    // name it (the layout riicchhaarrd/material_util's material.h reads); empty for a damaged
    // file.
    static QString materialImage(QByteArrayView file);
    // The font at path ("fonts/normalFont") with its material and image from archives, or
    // nothing when a file is missing or damaged.
    static std::optional<GameFont> load(const GameArchives &archives, const QString &path);

    int pixelHeight() const { return m_pixelHeight; }
    QString material() const { return m_material; }
    const QImage &image() const { return m_image; }
    void setImage(const QImage &image) { m_image = image; }
    // The glyph the engine draws for letter (R_GetCharacterGlyph, r_font.c): the printable ASCII
    // ones by place, the others found by letter, and the period's glyph for a letter the font
    // lacks.
    const Glyph &glyph(uint letter) const;
    bool holds(uint letter) const { return find(letter) != nullptr; }

private:
    const Glyph *find(uint letter) const;

    int m_pixelHeight = 0;
    QString m_material;
    QList<Glyph> m_glyphs;
    QImage m_image;
};

#endif // GAMEFONT_H
