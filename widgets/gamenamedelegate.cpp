// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamenamedelegate.h"

#include "gamecolors.h"
#include "gameletters.h"

#include <QPainter>

GameNameDelegate::GameNameDelegate(const GameColors &colors, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_palette(colors.palette())
{
    // The view repaints when the team colors change.
    connect(&colors, &GameColors::changed, this, [this, &colors] { m_palette = colors.palette(); });
}

void GameNameDelegate::drawIn(GameLetters *letters) { m_letters = letters; }

namespace {

// Between the name and the cell's edge: room for the selection's frame, which never touches the
// name's letters.
constexpr int padding = 4;
// A column of names is at least as wide as this many letters: about what a name of the game's
// 31 bytes shows once its color codes are taken out, so that short names do not make it narrow.
constexpr int letters = 20;

// Bold and a size larger than the list's text, as the game draws names: colored letters need the
// weight to be read.
QFont nameFont(QFont font)
{
    font.setBold(true);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 1.25);
    else
        font.setPixelSize(font.pixelSize() * 5 / 4);
    return font;
}

} // namespace

QSize GameNameDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // The name as drawn: its codes take no room, its padding and shadow do.
    const QFontMetrics metrics(nameFont(option.font));
    const QString name = index.data().toString();
    int width = 0;
    int height = metrics.height();
    if (const auto drawing = m_letters ? m_letters->drawing() : nullptr) {
        const QSize size = drawing->imageSize(name);
        width = size.width();
        height = std::max(height, size.height());
    } else {
        for (const ColorRun &run : colorRuns(name, m_palette))
            width += metrics.horizontalAdvance(run.text);
    }
    return { std::max(width, letters * metrics.averageCharWidth()) + 2 * padding
            + metrics.height() / 16 + 1,
        std::max(height + 2 * padding, QStyledItemDelegate::sizeHint(option, index).height()) };
}

void GameNameDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // The ground of the game's scoreboard, framed in the highlight when selected: the name keeps
    // its colors on the dark ground rather than on the selection's color.
    painter->save();
    painter->fillRect(option.rect, QColor(30, 30, 30));
    if (option.state & QStyle::State_Selected) {
        painter->setPen(QPen(option.palette.color(QPalette::Highlight), 2));
        painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
    }
    const QString name = index.data().toString();
    if (const auto drawing = m_letters ? m_letters->drawing() : nullptr) {
        // The font's pixels one to one, as a list of names needs them small.
        const QImage image = drawing->image(name, m_palette);
        painter->drawImage(option.rect.left() + padding,
            option.rect.top() + (option.rect.height() - image.height()) / 2, image);
        painter->restore();
        return;
    }
    painter->setFont(nameFont(option.font));
    const QFontMetrics metrics = painter->fontMetrics();
    const int baseline
        = option.rect.top() + (option.rect.height() + metrics.ascent() - metrics.descent()) / 2;
    paintGameName(*painter, option.rect.left() + padding, baseline, name, m_palette, m_glyphs);
    painter->restore();
}
