// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef INSTALLEDGAMES_H
#define INSTALLEDGAMES_H

#include "consolerun.h"
#include "gamefinder.h"

#include <functional>

#include <optional>

// The games installed on this computer, looked for once, when first asked: the dialogs start
// in their folders, the save says how to run a script there, and the name box offers the names
// in their configs.
class InstalledGames {
public:
    explicit InstalledGames(GameSearch search = GameSearch::ofThisSystem());

    const QList<GameInstall> &games();
    // The game whose script folder holds path, if any, with path relative to that folder.
    std::optional<std::pair<GameInstall, QString>> gameHolding(const QString &path);
    // The names the games' own configs set, as the game's console sets them, each once: COD 2
    // keeps one config for each player profile.
    QList<std::pair<GameFamily, QString>> namesInConfigs();
    // Whether a game keeps a config, whatever it sets.
    bool hasConfigs();
    // The com_maxfps the games' configs set, the last one found; the game's default without.
    int maxFpsInConfigs();
    // The keys the games' configs bind, each key once.
    QList<KeyBinding> bindingsInConfigs();
    // The com_maxfps that the configs in the folder of a script set, if the folder is a game's
    // main folder and they set one.
    static std::optional<int> maxFpsBeside(const QString &script);

private:
    // Each config of each game, as the game's console runs it.
    void runEachConfig(const std::function<void(const GameInstall &, const ConsoleRun &)> &use);

    GameSearch m_search;
    std::optional<QList<GameInstall>> m_games;
};

#endif // INSTALLEDGAMES_H
