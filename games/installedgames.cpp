// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "installedgames.h"

#include "cfgfile/cfgreader.h"
#include "console/consolerun.h"
#include "gameconfigs.h"

InstalledGames::InstalledGames(GameSearch search)
    : m_search(std::move(search))
{
}

const QList<GameInstall> &InstalledGames::games()
{
    if (!m_games)
        m_games = findGames(m_search);
    return *m_games;
}

ScriptPlace InstalledGames::placeOf(const QString &path, std::optional<GameLanguage> chosen)
{
    return ScriptPlace(path, games(), chosen);
}

std::optional<GameLanguage> InstalledGames::edition()
{
    return GameConfigs::firstEditionOf(games());
}

void InstalledGames::runEachConfig(
    const std::function<void(const GameInstall &, const ConsoleRun &)> &use)
{
    for (const GameInstall &game : games()) {
        // The names in a config are in the letters of the game's edition.
        const CodePage codePage = GameConfigs::editionOf(game.mainFolder, game.scriptFolder)
                                      .value_or(GameLanguage())
                                      .codePage();
        // Windows keeps what an old game writes into Program Files in the VirtualStore copy.
        QStringList folders { game.scriptFolder };
        if (game.mainFolder != game.scriptFolder)
            folders << game.mainFolder;
        for (const QString &folder : folders) {
            for (const QString &file : GameConfigs::in(game.family(), folder)) {
                QString reason;
                if (const std::optional<QString> config = CfgReader::read(file, codePage, &reason))
                    use(game, runScript(*config, {}, game.version));
            }
        }
    }
}

QList<std::pair<GameFamily, QString>> InstalledGames::namesInConfigs()
{
    QList<std::pair<GameFamily, QString>> names;
    runEachConfig([&names](const GameInstall &game, const ConsoleRun &run) {
        if (run.nameChanges.isEmpty())
            return;
        const std::pair named(game.family(), run.nameChanges.constLast().name);
        if (!names.contains(named))
            names << named;
    });
    return names;
}

bool InstalledGames::hasConfigs()
{
    bool read = false;
    runEachConfig([&read](const GameInstall &, const ConsoleRun &) { read = true; });
    return read;
}

int InstalledGames::maxFpsInConfigs()
{
    int maxFps = ConsoleRules::defaultMaxFps;
    runEachConfig([&maxFps](const GameInstall &, const ConsoleRun &run) {
        maxFps = GameConfigs::maxFpsSetBy(run).value_or(maxFps);
    });
    return maxFps;
}

QList<KeyBinding> InstalledGames::bindingsInConfigs()
{
    QList<KeyBinding> bindings;
    runEachConfig([&bindings](const GameInstall &, const ConsoleRun &run) {
        for (const KeyBinding &binding : run.finalBindings()) {
            if (std::ranges::none_of(bindings, [&binding](const KeyBinding &known) {
                    return known.key.compare(binding.key, Qt::CaseInsensitive) == 0;
                }))
                bindings << binding;
        }
    });
    return bindings;
}
