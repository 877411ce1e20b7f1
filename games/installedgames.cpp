// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "installedgames.h"

#include "cfgreader.h"
#include "consolerun.h"
#include "gamelanguage.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Where the games keep the player's settings, name included, relative to their own folder:
// COD 2 in a folder for each player profile, COD in main itself, United Offensive in
// uoconfig_mp.cfg in uo (com_config.c of coduomp).
QStringList configFiles(GameFamily family, const QString &mainFolder)
{
    if (family == GameFamily::CodUo)
        return { mainFolder + u"/uoconfig_mp.cfg"_qs };
    if (family == GameFamily::Cod)
        return { mainFolder + u"/config_mp.cfg"_qs };
    QStringList files;
    const QDir players(mainFolder + u"/players"_qs);
    for (const QString &profile : players.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        files << players.filePath(profile) + u"/config_mp.cfg"_qs;
    return files;
}

} // namespace

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

std::optional<std::pair<GameInstall, QString>> InstalledGames::gameHolding(const QString &path)
{
    const QString file = QFileInfo(path).absoluteFilePath();
    for (const GameInstall &game : games()) {
        for (const QString &folder : { game.scriptFolder, game.mainFolder }) {
            const QString relative = QDir(folder).relativeFilePath(file);
            if (!relative.startsWith(u"../"_qs) && !QDir::isAbsolutePath(relative))
                return std::pair(game, relative);
        }
    }
    return std::nullopt;
}

void InstalledGames::runEachConfig(
    const std::function<void(const GameInstall &, const ConsoleRun &)> &use)
{
    for (const GameInstall &game : games()) {
        // The names in a config are in the letters of the game's edition.
        const CodePage codePage = GameLanguage::ofInstall(game.mainFolder, game.scriptFolder)
                                      .value_or(GameLanguage())
                                      .codePage();
        // Windows keeps what an old game writes into Program Files in the VirtualStore copy.
        QStringList folders { game.scriptFolder };
        if (game.mainFolder != game.scriptFolder)
            folders << game.mainFolder;
        for (const QString &folder : folders) {
            for (const QString &file : configFiles(game.family(), folder)) {
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

namespace {

// The com_maxfps a config's run leaves, if it sets one; 0 caps nothing: frames of a
// millisecond, as at the most it takes.
std::optional<int> maxFpsSetBy(const ConsoleRun &run)
{
    if (run.frameRates.isEmpty())
        return std::nullopt;
    const int set = run.frameRates.constLast().maxFps;
    return set > 0 ? set : ConsoleRules::largestMaxFps;
}

} // namespace

int InstalledGames::maxFpsInConfigs()
{
    int maxFps = ConsoleRules::defaultMaxFps;
    runEachConfig([&maxFps](const GameInstall &, const ConsoleRun &run) {
        maxFps = maxFpsSetBy(run).value_or(maxFps);
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

std::optional<int> InstalledGames::maxFpsBeside(const QString &script)
{
    // A script in a game's own folder: COD and United Offensive keep their config there, COD 2
    // one for each player.
    const QString folder = QFileInfo(script).absolutePath();
    std::optional<int> maxFps;
    for (const auto &[family, version] : { std::pair { GameFamily::Cod, GameVersion::Cod13 },
             std::pair { GameFamily::CodUo, GameVersion::CodUo },
             std::pair { GameFamily::Cod2, GameVersion::Cod2 } }) {
        for (const QString &file : configFiles(family, folder)) {
            QString reason;
            if (const std::optional<QString> config = CfgReader::read(file, CodePage(), &reason)) {
                if (const std::optional<int> set = maxFpsSetBy(runScript(*config, {}, version)))
                    maxFps = set;
            }
        }
    }
    return maxFps;
}
