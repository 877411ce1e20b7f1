// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gameconfigs.h"

#include "cfgfile/cfgreader.h"
#include "console/consolerun.h"

#include <QDir>
#include <QFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The language a config sets, as the game's console runs it: COD 2 keeps it in loc_language,
// COD and United Offensive in cl_language, both archived (SEH_InitLanguage).
std::optional<GameLanguage> setIn(const QString &config)
{
    QString reason;
    const std::optional<QString> text = CfgReader::read(config, CodePage(), &reason);
    if (!text)
        return std::nullopt;
    std::optional<GameLanguage> language;
    for (const VariableSet &set : runScript(*text, {}, defaultGameVersion).variablesSet) {
        if (set.name.compare(u"loc_language", Qt::CaseInsensitive) != 0
            && set.name.compare(u"cl_language", Qt::CaseInsensitive) != 0)
            continue;
        bool number = false;
        const int index = set.value.toInt(&number);
        language = number && index >= 0 && index < int(std::size(GameLanguage::all))
            ? std::optional(GameLanguage(GameLanguage::all[index]))
            : std::nullopt;
    }
    return language;
}

// The player's config: COD 2 keeps one in each profile and names the active profile in
// players/active.txt (Com_InitPlayerProfiles); COD keeps config_mp.cfg in main, United Offensive
// uoconfig_mp.cfg in uo.
QString configOf(const QString &mainFolder)
{
    const QDir players(mainFolder + u"/players"_s);
    QFile active(players.filePath(u"active.txt"_s));
    QString profile;
    if (active.open(QIODevice::ReadOnly))
        profile = QString::fromLocal8Bit(active.readLine(256)).trimmed();
    if (profile.isEmpty())
        profile = players.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name).value(0);
    if (!profile.isEmpty())
        return players.filePath(profile) + u"/config_mp.cfg"_s;
    const QString unitedOffensive = mainFolder + u"/uoconfig_mp.cfg"_s;
    return QFile::exists(unitedOffensive) ? unitedOffensive : mainFolder + u"/config_mp.cfg"_s;
}

} // namespace

QStringList GameConfigs::in(GameFamily family, const QString &folder)
{
    if (family == GameFamily::CodUo)
        return { folder + u"/uoconfig_mp.cfg"_s };
    if (family == GameFamily::Cod)
        return { folder + u"/config_mp.cfg"_s };
    QStringList files;
    const QDir players(folder + u"/players"_s);
    for (const QString &profile : players.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        files << players.filePath(profile) + u"/config_mp.cfg"_s;
    return files;
}

std::optional<GameLanguage> GameConfigs::editionOf(
    const QString &mainFolder, const QString &configFolder)
{
    // The game keeps the language its config sets, archives or not: SEH_UpdateLanguageInfo
    // marks it present before it loads its strings, and only warns when they are missing
    // (CoD2rev src/stringed/stringed_hooks.cpp). Windows keeps the config an old game writes in
    // its VirtualStore copy of the folder.
    for (const QString &folder : { configFolder, mainFolder }) {
        if (folder.isEmpty())
            continue;
        if (const std::optional<GameLanguage> kept = setIn(configOf(folder)))
            return kept;
    }
    // Without one, the edition is the one whose archives it ships, localized_russian_iw00.iwd in
    // COD 2 and localized_russian_pak0.pk3 in COD (FS_AddIwdFilesForGameDirectory,
    // FS_AddPakFilesForGameDirectory).
    const QStringList archives
        = QDir(mainFolder).entryList({ u"localized_*.iwd"_s, u"localized_*.pk3"_s }, QDir::Files);
    const auto shipped = [&archives](GameLanguage language) {
        const QString prefix = u"localized_"_s + language.key() + u'_';
        return std::ranges::any_of(archives, [&prefix](const QString &archive) {
            return archive.startsWith(prefix, Qt::CaseInsensitive);
        });
    };
    for (const GameLanguage::Id id : GameLanguage::all) {
        if (shipped(id))
            return GameLanguage(id);
    }
    return std::nullopt;
}

std::optional<GameLanguage> GameConfigs::firstEditionOf(const QList<GameInstall> &games)
{
    for (const GameInstall &game : games) {
        if (const std::optional<GameLanguage> language
            = editionOf(game.mainFolder, game.scriptFolder))
            return language;
    }
    return std::nullopt;
}

std::optional<int> GameConfigs::maxFpsSetBy(const ConsoleRun &run)
{
    // 0 caps nothing: frames of a millisecond, as at the most it takes.
    if (run.frameRates.isEmpty())
        return std::nullopt;
    const int set = run.frameRates.constLast().maxFps;
    return set > 0 ? set : ConsoleRules::largestMaxFps;
}

std::optional<int> GameConfigs::maxFpsIn(const QString &folder)
{
    // COD and United Offensive keep their config in their own folder, COD 2 one for each player.
    std::optional<int> maxFps;
    for (const auto &[family, version] : { std::pair { GameFamily::Cod, GameVersion::Cod13 },
             std::pair { GameFamily::CodUo, GameVersion::CodUo },
             std::pair { GameFamily::Cod2, GameVersion::Cod2 } }) {
        for (const QString &file : in(family, folder)) {
            QString reason;
            if (const std::optional<QString> config = CfgReader::read(file, CodePage(), &reason)) {
                if (const std::optional<int> set = maxFpsSetBy(runScript(*config, {}, version)))
                    maxFps = set;
            }
        }
    }
    return maxFps;
}
