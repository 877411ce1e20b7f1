// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef INSTALLEDGAMES_H
#define INSTALLEDGAMES_H

#include "console/consolerun.h"
#include "gamefinder.h"
#include "gamelanguage.h"
#include "scriptplace.h"

#include <functional>

#include <optional>

// The games installed on this computer, looked for once, when first asked: the dialogs start
// in their folders, a script's place is decided by the game holding it, and the name box offers
// the names in their configs.
class InstalledGames {
public:
    explicit InstalledGames(GameSearch search = GameSearch::ofThisSystem());

    const QList<GameInstall> &games();
    // What the place of a script at path decides, for the edition the player chose, if any.
    ScriptPlace placeOf(const QString &path, std::optional<GameLanguage> chosen);
    // The edition of the first game installed that tells its language.
    std::optional<GameLanguage> edition();
    // The names the games' own configs set, as the game's console sets them, each once: COD 2
    // keeps one config for each player profile.
    QList<std::pair<GameFamily, QString>> namesInConfigs();
    // Whether a game keeps a config, whatever it sets.
    bool hasConfigs();
    // The com_maxfps the games' configs set, the last one found; the game's default without.
    int maxFpsInConfigs();
    // The keys the games' configs bind, each key once.
    QList<KeyBinding> bindingsInConfigs();

private:
    // Each config of each game, as the game's console runs it.
    void runEachConfig(const std::function<void(const GameInstall &, const ConsoleRun &)> &use);

    GameSearch m_search;
    std::optional<QList<GameInstall>> m_games;
};

#endif // INSTALLEDGAMES_H
