// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GAMENAMEDELEGATE_H
#define GAMENAMEDELEGATE_H

#include "console/colorruns.h"
#include "gamenameview.h"

#include <QPointer>
#include <QStyledItemDelegate>

class GameColors;
class GameLetters;

// Draws a list's names as the game shows them, in its colors and with its shadow, on a dark
// ground.
class GameNameDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    // colors: the team colors it draws ^8 and ^9 in, which it follows.
    explicit GameNameDelegate(const GameColors &colors, QObject *parent = nullptr);

    // Draws the names in the game's own letters once letters has them; nothing draws them in the
    // desktop's letters. The view repaints when they change.
    void drawIn(GameLetters *letters);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    GamePalette m_palette;
    mutable NameGlyphs m_glyphs;
    QPointer<GameLetters> m_letters;
};

#endif // GAMENAMEDELEGATE_H
