// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GAMENAMEDELEGATE_H
#define GAMENAMEDELEGATE_H

#include "console/colorruns.h"
#include "gamenameview.h"

#include <QStyledItemDelegate>

class GameColors;

// Draws a list's names as the game shows them, in its colors and with its shadow, on a dark
// ground.
class GameNameDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    // colors: the team colors it draws ^8 and ^9 in, which it follows.
    explicit GameNameDelegate(const GameColors &colors, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    GamePalette m_palette;
    mutable NameGlyphs m_glyphs;
};

#endif // GAMENAMEDELEGATE_H
