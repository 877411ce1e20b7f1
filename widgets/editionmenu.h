// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef EDITIONMENU_H
#define EDITIONMENU_H

#include <QCoreApplication>

class GameEdition;
class QMenu;

// The choice of the game's edition, in both windows' File menu: the edition of the game
// installed, or one the player names, which decides the letters of names and scripts.
class EditionMenu {
    Q_DECLARE_TR_FUNCTIONS(EditionMenu)

public:
    static void addTo(QMenu *menu, GameEdition &edition);
};

#endif // EDITIONMENU_H
