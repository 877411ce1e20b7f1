// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamenamedelegate.h"

#include "gamecolors.h"
#include "gamenameview.h"

#include <QPainter>

GameNameDelegate::GameNameDelegate(const GameColors &colors, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_palette(colors.palette())
{
    // The view repaints when the team colors change.
    connect(&colors, &GameColors::changed, this, [this, &colors] { m_palette = colors.palette(); });
}

QSize GameNameDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // The name as drawn: its codes take no room, its margin and shadow do.
    int width = 0;
    for (const ColorRun &run : colorRuns(index.data().toString(), m_palette))
        width += option.fontMetrics.horizontalAdvance(run.text);
    return { width + 10, QStyledItemDelegate::sizeHint(option, index).height() };
}

void GameNameDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // The ground of the game's scoreboard, framed in the highlight when selected.
    painter->save();
    painter->fillRect(option.rect, QColor(30, 30, 30));
    if (option.state & QStyle::State_Selected) {
        painter->setPen(QPen(option.palette.color(QPalette::Highlight), 2));
        painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
    }
    const QFontMetrics metrics = option.fontMetrics;
    const int baseline
        = option.rect.top() + (option.rect.height() + metrics.ascent() - metrics.descent()) / 2;
    painter->setFont(option.font);
    paintGameName(*painter, option.rect.left() + 4, baseline, index.data().toString(), m_palette);
    painter->restore();
}
