// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "namedrawing.h"

#include <QPainter>

NameDrawing::NameDrawing(std::shared_ptr<const GameFont> font, CodePage codePage)
    : m_font(std::move(font))
    , m_codePage(codePage)
{
}

int NameDrawing::width(const QString &name) const
{
    int width = 0;
    for (const ColorRun &run : colorRuns(name)) {
        for (const char byte : m_codePage.encode(run.text))
            width += m_font->glyph(quint8(byte)).dx;
    }
    return width;
}

bool NameDrawing::holdsEvery(const QString &name) const
{
    for (const char byte : m_codePage.encode(name)) {
        if (!m_font->holds(quint8(byte)))
            return false;
    }
    return true;
}

int NameDrawing::draw(
    QPainter &painter, QPoint pen, const QString &name, const GamePalette &palette) const
{
    const QImage &image = m_font->image();
    const QImage &shadow = tinted(qRgb(0, 0, 0));
    const int start = pen.x();
    for (const ColorRun &run : colorRuns(name, palette)) {
        const QImage &colored = tinted(run.color);
        for (const char byte : m_codePage.encode(run.text)) {
            const GameFont::Glyph &glyph = m_font->glyph(quint8(byte));
            const QRectF source(glyph.texture.left() * image.width(),
                glyph.texture.top() * image.height(), glyph.texture.width() * image.width(),
                glyph.texture.height() * image.height());
            const QRect target(
                pen.x() + glyph.x0, pen.y() + glyph.y0, glyph.pixelWidth, glyph.pixelHeight);
            painter.drawImage(target.translated(1, 1), shadow, source);
            painter.drawImage(target, colored, source);
            pen.rx() += glyph.dx;
        }
    }
    return pen.x() - start;
}

QImage NameDrawing::image(const QString &name, const GamePalette &palette) const
{
    if (!m_last.image.isNull() && m_last.name == name && m_last.palette == palette)
        return m_last.image;
    QImage image(imageSize(name), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    draw(painter, QPoint(0, m_font->pixelHeight()), name, palette);
    m_last = { name, palette, image };
    return image;
}

QSize NameDrawing::imageSize(const QString &name) const
{
    // Room right of the last glyph and below the baseline for the shadow and for the letters that
    // reach under it.
    return { width(name) + 1, m_font->pixelHeight() * 3 / 2 };
}

const QImage &NameDrawing::tinted(QRgb color) const
{
    auto found = m_tinted.find(color);
    if (found != m_tinted.end())
        return *found;
    QImage image = m_font->image().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb texel = line[x];
            line[x] = qRgba(qRed(texel) * qRed(color) / 255, qGreen(texel) * qGreen(color) / 255,
                qBlue(texel) * qBlue(color) / 255, qAlpha(texel));
        }
    }
    return *m_tinted.insert(color, image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}
