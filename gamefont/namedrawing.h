// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef NAMEDRAWING_H
#define NAMEDRAWING_H

#include "cfgfile/codepage.h"
#include "console/colorruns.h"
#include "gamefont.h"

#include <QHash>
#include <QImage>
#include <QPoint>

#include <memory>

class QPainter;

// A player name drawn as the engine draws text (R_AddCmdDrawText and its glyphs, cod2-mp-macho
// PC/gfx_d3d/r_font.c): each byte of the name in the edition's code page taken to its glyph, the
// glyph's image placed at the pen moved by its offsets and the pen moved on by its advance, the
// color codes switching the color, and the shadow of the scoreboard's text style (3, shadowed:
// cg_scoreboard_mp.c) one pixel below and to the right of each glyph, drawn before it.
class NameDrawing {
public:
    NameDrawing(std::shared_ptr<const GameFont> font, CodePage codePage);

    const GameFont &font() const { return *m_font; }
    CodePage codePage() const { return m_codePage; }
    // The room name takes, in the font's pixels: the sum of its glyphs' advances.
    int width(const QString &name) const;
    // Whether the font holds each letter of the name, as the edition's code page encodes it.
    bool holdsEvery(const QString &name) const;
    // Draws name with the pen at pen on the baseline, one of the painter's pixels for each of the
    // font's, as a painter magnifies them. Returns the width drawn.
    int draw(QPainter &painter, QPoint pen, const QString &name, const GamePalette &palette) const;
    // name on a clear ground in the font's pixels, its baseline the font's height below the top.
    // The last one is kept: the tooltip and the kept preview draw the same name at each
    // keystroke, each magnifying it as it needs.
    QImage image(const QString &name, const GamePalette &palette) const;
    // The size of that image, without drawing it.
    QSize imageSize(const QString &name) const;

private:
    // The font's image in color: its texels times the color, as the engine's vertex color
    // modulates the font's material.
    const QImage &tinted(QRgb color) const;

    std::shared_ptr<const GameFont> m_font;
    CodePage m_codePage;
    mutable QHash<QRgb, QImage> m_tinted;
    struct Drawn {
        QString name;
        GamePalette palette {};
        QImage image;
    };
    mutable Drawn m_last;
};

#endif // NAMEDRAWING_H
