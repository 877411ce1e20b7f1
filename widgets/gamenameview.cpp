// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamenameview.h"

#include "console/consolerules.h"
#include "gamecolors.h"
#include "gameletters.h"

#include <QImage>
#include <QPainter>

namespace {

// Dark as the game's scoreboard, so that every code but ^0 stands out.
const QColor ground(30, 30, 30);
constexpr int margin = 12;

} // namespace

int paintGameName(
    QPainter &painter, int x, int baseline, const QString &name, const GamePalette &palette)
{
    // The shadow keeps a dark color such as ^4's blue readable on a dark ground.
    const QFontMetrics metrics = painter.fontMetrics();
    const int shadow = std::max(1, metrics.height() / 16);
    const int start = x;
    for (const ColorRun &run : colorRuns(name, palette)) {
        painter.setPen(Qt::black);
        painter.drawText(x + shadow, baseline + shadow, run.text);
        painter.setPen(QColor(run.color));
        painter.drawText(x, baseline, run.text);
        x += metrics.horizontalAdvance(run.text);
    }
    return x - start;
}

QImage gameNameImage(
    const NameDrawing &drawing, const QString &name, const GamePalette &palette, int scale)
{
    // Room below the baseline for the letters that reach under it, and for the shadow.
    const int height = drawing.font().pixelHeight() * scale;
    QImage image(std::max(1, (drawing.width(name) + 1) * scale), height * 3 / 2,
        QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawing.draw(painter, QPoint(0, height), name, palette, scale);
    return image;
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

void GameNameView::drawIn(GameLetters &letters)
{
    m_letters = &letters;
    connect(&letters, &GameLetters::changed, this, qOverload<>(&QWidget::update));
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
        const int pixelHeight = drawing->font().pixelHeight() * scale;
        painter.drawImage(margin, height() / 2 + pixelHeight * 3 / 8 - pixelHeight,
            gameNameImage(*drawing, m_name, m_palette, scale));
        return;
    }
    const QFontMetrics metrics = fontMetrics();
    paintGameName(
        painter, margin, (height() + metrics.ascent() - metrics.descent()) / 2, m_name, m_palette);
}
