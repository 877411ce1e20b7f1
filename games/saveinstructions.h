// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SAVEINSTRUCTIONS_H
#define SAVEINSTRUCTIONS_H

#include "gamefinder.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

class InstalledGames;

// Where a script being saved goes and what to do with it in the game, from one look at the
// games' folders.
class SaveInstructions {
    Q_DECLARE_TR_FUNCTIONS(SaveInstructions)

public:
    // chosen: where the player saves the script.
    SaveInstructions(const QString &chosen, InstalledGames &games);

    // Where the script goes: a game's main folder that Windows redirects the game's writes from
    // gives the same place in its VirtualStore copy, where the game reads it.
    const QString &path() const { return m_path; }
    // For the file written there, as the game reads it: "/exec sniper.cfg" in the game's console
    // when it is in a game's folder, else to put it there first; the keys it binds; what the
    // checker finds.
    QString forScript(QStringView fileText) const;
    // The console command that runs the script: "/exec sniper.cfg".
    QString consoleCommand() const;

private:
    QString m_path;
    // The game whose folder holds the script, with the script's path relative to that folder.
    std::optional<std::pair<GameInstall, QString>> m_held;
    QList<GameInstall> m_installed;
};

#endif // SAVEINSTRUCTIONS_H
