// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamenameview.h"

#include "console/consolerules.h"
#include "gamecolors.h"
#include "gameletters.h"

#include <QImage>
#include <QPainter>
#include <QTextLayout>

namespace {

// Dark as the game's scoreboard, so that every code but ^0 stands out.
const QColor ground(30, 30, 30);
constexpr int margin = 12;

} // namespace

int paintGameName(QPainter &painter, int x, int baseline, const QString &name,
    const GamePalette &palette, NameGlyphs &glyphs)
{
    // Shaped once, for the shadow and the letters both, rather than twice at each drawText; kept
    // for the runs of one screenful of names.
    constexpr qsizetype runsKept = 256;
    const int dotsPerInch = painter.device()->logicalDpiY();
    if (glyphs.font != painter.font() || glyphs.dotsPerInch != dotsPerInch
        || glyphs.runs.size() > runsKept) {
        glyphs.runs.clear();
        glyphs.font = painter.font();
        glyphs.dotsPerInch = dotsPerInch;
    }
    // The shadow keeps a dark color such as ^4's blue readable on a dark ground.
    const int shadow = std::max(1, painter.fontMetrics().height() / 16);
    const int start = x;
    for (const ColorRun &run : colorRuns(name, palette)) {
        auto shaped = glyphs.runs.find(run.text);
        if (shaped == glyphs.runs.end()) {
            QTextLayout layout(run.text, painter.font(), painter.device());
            layout.beginLayout();
            const QTextLine line = layout.createLine();
            layout.endLayout();
            shaped = glyphs.runs.insert(
                run.text, { line.glyphRuns(), line.ascent(), qRound(line.horizontalAdvance()) });
        }
        const QPointF top(x, baseline - shaped->ascent);
        painter.setPen(Qt::black);
        for (const QGlyphRun &glyphRun : std::as_const(shaped->glyphs))
            painter.drawGlyphRun(top + QPointF(shadow, shadow), glyphRun);
        painter.setPen(QColor(run.color));
        for (const QGlyphRun &glyphRun : std::as_const(shaped->glyphs))
            painter.drawGlyphRun(top, glyphRun);
        x += shaped->advance;
    }
    return x - start;
}

GameNameView::GameNameView(const GameColors &colors, QWidget *parent)
    : QWidget(parent)
{
    QFont large = font();
    large.setPointSize(22);
    large.setBold(true);
    setFont(large);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_palette = colors.palette();
    connect(&colors, &GameColors::changed, this, [this, &colors] {
        m_palette = colors.palette();
        update();
    });
}

void GameNameView::drawIn(GameLetters *letters)
{
    if (m_letters)
        disconnect(m_letters, nullptr, this, nullptr);
    m_letters = letters;
    if (letters)
        connect(letters, &GameLetters::changed, this, qOverload<>(&QWidget::update));
    update();
}

void GameNameView::setName(const QString &name)
{
    if (name == m_name)
        return;
    m_name = name;
    setAccessibleName(name);
    update();
}

QSize GameNameView::sizeHint() const
{
    return { int(ConsoleRules::nameBytes) * fontMetrics().averageCharWidth() + 2 * margin,
        fontMetrics().height() + 2 * margin };
}

void GameNameView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), ground);
    if (const auto drawing = m_letters ? m_letters->drawing() : nullptr) {
        // One to one for a name too wide for the view.
        const int scale
            = drawing->width(m_name) * gameNameScale <= width() - 2 * margin ? gameNameScale : 1;
        // The middle of the capitals, three eighths of the font's height above its baseline,
        // in the middle of the view.
        // Each of the font's pixels a square of pixels, as the painter magnifies without
        // smoothing.
        const int pixelHeight = drawing->font().pixelHeight() * scale;
        const QImage image = drawing->image(m_name, m_palette);
        painter.drawImage(QRect(QPoint(margin, height() / 2 + pixelHeight * 3 / 8 - pixelHeight),
                              image.size() * scale),
            image);
        return;
    }
    const QFontMetrics metrics = fontMetrics();
    paintGameName(painter, margin, (height() + metrics.ascent() - metrics.descent()) / 2, m_name,
        m_palette, m_glyphs);
}
