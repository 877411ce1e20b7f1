// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamelanguage.h"

#include "cfgreader.h"
#include "consolerun.h"
#include "installedgames.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include <algorithm>

namespace {

// g_languages of stringed_hooks (CoD2rev, cod2-mp-macho, opencod1): the names the localized
// archives carry, in loc_language's order.
constexpr const char16_t *keys[] = { u"english", u"french", u"german", u"italian", u"spanish",
    u"british", u"russian", u"polish" };

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
    const QDir players(mainFolder + u"/players"_qs);
    QFile active(players.filePath(u"active.txt"_qs));
    QString profile;
    if (active.open(QIODevice::ReadOnly))
        profile = QString::fromLocal8Bit(active.readLine(256)).trimmed();
    if (profile.isEmpty())
        profile = players.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name).value(0);
    if (!profile.isEmpty())
        return players.filePath(profile) + u"/config_mp.cfg"_qs;
    const QString unitedOffensive = mainFolder + u"/uoconfig_mp.cfg"_qs;
    return QFile::exists(unitedOffensive) ? unitedOffensive : mainFolder + u"/config_mp.cfg"_qs;
}

} // namespace

QString GameLanguage::key() const { return QString::fromUtf16(keys[int(m_id)]); }

QString GameLanguage::name() const
{
    switch (m_id) {
    case Id::English:
        return tr("English");
    case Id::French:
        return tr("French");
    case Id::German:
        return tr("German");
    case Id::Italian:
        return tr("Italian");
    case Id::Spanish:
        return tr("Spanish");
    case Id::British:
        return tr("British English");
    case Id::Russian:
        return tr("Russian");
    case Id::Polish:
        return tr("Polish");
    }
    return {};
}

CodePage GameLanguage::codePage() const
{
    switch (m_id) {
    case Id::Russian:
        return CodePage::Id::Cyrillic;
    case Id::Polish:
        return CodePage::Id::CentralEuropean;
    default:
        return CodePage::Id::Western;
    }
}

std::optional<GameLanguage> GameLanguage::ofKey(QStringView key)
{
    for (const Id id : all) {
        if (key.compare(GameLanguage(id).key(), Qt::CaseInsensitive) == 0)
            return GameLanguage(id);
    }
    return std::nullopt;
}

std::optional<GameLanguage> GameLanguage::ofInstall(
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
        = QDir(mainFolder).entryList({ u"localized_*.iwd"_qs, u"localized_*.pk3"_qs }, QDir::Files);
    const auto shipped = [&archives](GameLanguage language) {
        const QString prefix = u"localized_"_qs + language.key() + u'_';
        return std::ranges::any_of(archives, [&prefix](const QString &archive) {
            return archive.startsWith(prefix, Qt::CaseInsensitive);
        });
    };
    for (const Id id : all) {
        if (shipped(id))
            return GameLanguage(id);
    }
    return std::nullopt;
}

std::optional<GameLanguage> GameLanguage::ofInstalledGames(InstalledGames &games)
{
    for (const GameInstall &game : games.games()) {
        if (const std::optional<GameLanguage> language
            = ofInstall(game.mainFolder, game.scriptFolder))
            return language;
    }
    return std::nullopt;
}

GameLanguage GameLanguage::preferred(InstalledGames &games, const QString &path)
{
    if (const std::optional<GameLanguage> chosen = ofKey(QSettings().value(settingsKey).toString()))
        return *chosen;
    if (!path.isEmpty()) {
        if (const auto held = games.gameHolding(path)) {
            if (const std::optional<GameLanguage> language
                = ofInstall(held->first.mainFolder, held->first.scriptFolder))
                return *language;
        }
    }
    return ofInstalledGames(games).value_or(GameLanguage());
}
