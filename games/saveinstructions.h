// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SAVEINSTRUCTIONS_H
#define SAVEINSTRUCTIONS_H

#include <QCoreApplication>
#include <QString>

class InstalledGames;

// What to do in the game with a script just saved.
class SaveInstructions {
    Q_DECLARE_TR_FUNCTIONS(SaveInstructions)

public:
    // For the script saved at path, holding script: "/exec sniper.cfg" in the game's console
    // when it is in a game's folder, else to put it there first; and the keys it binds.
    static QString forScript(const QString &path, QStringView script, InstalledGames &games);
    // The console command that runs the script saved at path: "/exec sniper.cfg".
    static QString consoleCommand(const QString &path, InstalledGames &games);
};

#endif // SAVEINSTRUCTIONS_H
