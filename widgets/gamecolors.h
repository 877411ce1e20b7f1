// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GAMECOLORS_H
#define GAMECOLORS_H

#include "console/colorruns.h"

#include <QObject>

// The one setting of the team colors: the allied nation whose color ^8 shows in, kept in the
// settings. Every view that draws a name as the game shows it draws with this palette, and
// follows when the player picks another nation. The program makes one for its windows; tests
// make their own.
class GameColors : public QObject {
    Q_OBJECT

public:
    explicit GameColors(QObject *parent = nullptr);

    GamePalette palette() const { return teamPalette(alliedNations()[m_allies]); }
    // In alliedNations().
    int allies() const { return m_allies; }
    void setAllies(int index);

signals:
    void changed();

private:
    int m_allies = 0;
};

#endif // GAMECOLORS_H
