// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GAMENAMEVIEW_H
#define GAMENAMEVIEW_H

#include "colorruns.h"

#include <QWidget>

// A player name drawn as the game draws it: large, in the game's colors, on a dark ground.
class GameNameView : public QWidget {
    Q_OBJECT

public:
    explicit GameNameView(QWidget *parent = nullptr);

    void setName(const QString &name);
    QString name() const { return m_name; }
    void setPalette(const GamePalette &palette);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_name;
    GamePalette m_palette = gamePalette();
};

#endif // GAMENAMEVIEW_H
