// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef HELPMENU_H
#define HELPMENU_H

#include <QCoreApplication>
#include <QString>

#include <functional>

class GameColors;
class GameEdition;
class QMenuBar;
class QWidget;

// The Help menu both windows share: how to run a saved script in the game, what each color code
// does there, and About.
class HelpMenu {
    Q_DECLARE_TR_FUNCTIONS(HelpMenu)

public:
    // script: the script the window last saved or opened, empty when none.
    static void addTo(QMenuBar *menuBar, QWidget *window, GameEdition &edition,
        const GameColors &colors, std::function<QString()> script);

    // The steps in the game for the script at path (any script when empty), with the game
    // folders found and the exact /exec line.
    static QString inTheGame(GameEdition &edition, const QString &path);
    // Each color code as the game draws it, in the team colors given, with what the game does
    // with it.
    static QString colorCodes(const GameColors &colors);
    static void showAbout(QWidget *window);
};

#endif // HELPMENU_H
