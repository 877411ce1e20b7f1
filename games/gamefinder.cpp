// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamefinder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryFile>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

using namespace Qt::StringLiterals;

namespace {

// Every place where the games are looked for, with where it comes from.
struct GameLayout {
    GameVersion version;
    // Steam installs a game in steamapps/common/<its name> of one of its libraries (the
    // "installdir" of the game's appmanifest: "Call of Duty 2" for app 2630, "Call of Duty" for
    // app 2620).
    QString steamFolder;
    // The retail installers record the install folder as "InstallPath" under
    // HKEY_LOCAL_MACHINE\SOFTWARE\<this key>; they are 32-bit programs, so on 64-bit Windows (and
    // in a 64-bit Wine prefix) the value lands in the WOW6432Node view.
    QString registryKey;
    // The installers' default folder under Program Files, for a prefix whose registry says nothing.
    QString usualFolder;
    // The game's own folder in the install, which exec reads scripts from, and the data archives
    // in it: COD 2's main/iw_00.iwd ..., COD's main/pak0.pk3 ..., United Offensive's
    // uo/pakuo00.pk3 ... beside COD's main, which it needs.
    QString gameFolder;
    QString archivePattern;
};

const GameLayout gameLayouts[] = {
    { GameVersion::Cod2, QStringLiteral("Call of Duty 2"),
        QStringLiteral("SOFTWARE\\Activision\\Call of Duty 2"),
        QStringLiteral("Activision/Call of Duty 2"), QStringLiteral("main"),
        QStringLiteral("*.iwd") },
    { GameVersion::Cod13, QStringLiteral("Call of Duty"),
        QStringLiteral("SOFTWARE\\Activision\\Call of Duty"),
        QStringLiteral("Activision/Call of Duty"), QStringLiteral("main"),
        QStringLiteral("*.pk3") },
    { GameVersion::CodUo, QStringLiteral("Call of Duty United Offensive"),
        QStringLiteral("SOFTWARE\\Activision\\Call of Duty United Offensive"),
        QStringLiteral("Activision/Call of Duty United Offensive"), QStringLiteral("uo"),
        QStringLiteral("*.pk3") },
};

// Steam's own folder on Linux: ~/.local/share/Steam, where its installer puts it, and
// ~/.steam/steam, the link it keeps to it (or to the Debian package's install).
const QString linuxSteamRoots[]
    = { QStringLiteral(".local/share/Steam"), QStringLiteral(".steam/steam") };
// Steam on Windows records its folder as "SteamPath" under HKEY_CURRENT_USER\Software\Valve\Steam,
// and its installer as "InstallPath" under HKEY_LOCAL_MACHINE\SOFTWARE\Valve\Steam (32-bit view).
const QString steamUserKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\Valve\\Steam");
const QString steamMachineKey = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Valve\\Steam");
// Steam for Windows inside a Wine prefix.
const QString wineSteamRoot = QStringLiteral("drive_c/Program Files (x86)/Steam");
// Each Steam library, the first one included, is listed as "path" "<folder>" in this file of
// Steam's own folder.
const QString libraryList = QStringLiteral("steamapps/libraryfolders.vdf");
// A Wine prefix keeps HKEY_LOCAL_MACHINE in this text file, as regedit's export format.
const QString wineMachineRegistry = QStringLiteral("system.reg");

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.read(1024 * 1024));
}

// The folders a Steam library list names, with its escaped backslashes undone.
QStringList steamLibraries(const QString &steamRoot)
{
    QStringList libraries { steamRoot };
    static const QRegularExpression path(QStringLiteral(R"re("path"\s+"((?:[^"\\]|\\.)*)")re"));
    const QString list = readText(steamRoot + u'/' + libraryList);
    for (const QRegularExpressionMatch &match : path.globalMatch(list))
        libraries << match.captured(1).replace(u"\\\\"_s, u"\\"_s);
    return libraries;
}

// A Windows path as a Wine prefix holds it: C: is its drive_c, other drives its dosdevices.
QString inWinePrefix(const QString &prefix, const QString &windowsPath)
{
    if (windowsPath.size() < 2 || windowsPath[1] != u':')
        return windowsPath;
    const QString rest = windowsPath.mid(2).replace(u'\\', u'/');
    const QChar drive = windowsPath[0].toLower();
    if (drive == u'c')
        return prefix + u"/drive_c"_s + rest;
    return prefix + u"/dosdevices/"_s + drive + u':' + rest;
}

// A string value of a key of a Wine prefix's system.reg, where keys stand as
// [Software\\Wow6432Node\\...] and values as "name"="escaped string".
QString wineRegistryValue(const QString &registry, const QString &key, const QString &name)
{
    const QString escapedKey = QString(key).section(u'\\', 1).replace(u"\\"_s, u"\\\\"_s);
    for (const QString &view : { escapedKey,
             QString(escapedKey)
                 .replace(u"Software\\\\"_s, u"Software\\\\Wow6432Node\\\\"_s,
                     Qt::CaseInsensitive) }) {
        const qsizetype start = registry.indexOf(u"\n["_s + view + u']', 0, Qt::CaseInsensitive);
        if (start < 0)
            continue;
        const qsizetype end = registry.indexOf(u"\n["_s, start + 1);
        const QString section = registry.mid(start, end < 0 ? -1 : end - start);
        const QRegularExpression value(
            u"\n\""_s + QRegularExpression::escape(name) + uR"re("="((?:[^"\\]|\\.)*)")re"_s,
            QRegularExpression::CaseInsensitiveOption);
        if (const QRegularExpressionMatch match = value.match(section); match.hasMatch())
            return match.captured(1).replace(u"\\\\"_s, u"\\"_s);
    }
    return {};
}

// Where Windows puts a file that an old program writes into a folder it may not write to:
// %LOCALAPPDATA%\VirtualStore followed by the folder's path without its drive.
QString virtualStoreFolder(const QString &folder, const GameSearch &search)
{
    if (search.localAppData.isEmpty() || !search.canWrite)
        return folder;
    const bool inProgramFiles
        = std::ranges::any_of(search.programFilesFolders, [&](const QString &programFiles) {
              return !programFiles.isEmpty()
                  && (folder + u'/')
                         .startsWith(
                             QDir::fromNativeSeparators(programFiles) + u'/', Qt::CaseInsensitive);
          });
    if (!inProgramFiles || search.canWrite(folder))
        return folder;
    const QString withoutDrive = folder.section(u'/', 1);
    return QDir::fromNativeSeparators(search.localAppData) + u"/VirtualStore/"_s + withoutDrive;
}

// Steam's own folder, and the Wine prefix that holds it when it is Steam for Windows under Wine.
struct SteamRoot {
    QString folder;
    QString winePrefix;
};

// Every folder that may hold a game, in the order they are looked at.
QStringList candidateFolders(const GameSearch &search)
{
    QList<SteamRoot> steamRoots;
    QStringList installFolders;
    if (!search.home.isEmpty()) {
        for (const QString &root : linuxSteamRoots)
            steamRoots << SteamRoot { search.home + u'/' + root, QString() };
    }
    for (const QString &prefix : search.winePrefixes) {
        const QString registry = readText(prefix + u'/' + wineMachineRegistry);
        for (const GameLayout &layout : gameLayouts) {
            const QString installed = wineRegistryValue(
                registry, u"HKEY_LOCAL_MACHINE\\"_s + layout.registryKey, u"InstallPath"_s);
            if (!installed.isEmpty())
                installFolders << inWinePrefix(prefix, installed);
            for (const QString &programFiles : { u"Program Files (x86)"_s, u"Program Files"_s }) {
                installFolders << prefix + u"/drive_c/"_s + programFiles + u'/'
                        + layout.usualFolder;
            }
        }
        steamRoots << SteamRoot { prefix + u'/' + wineSteamRoot, prefix };
    }
    if (search.registry) {
        for (const GameLayout &layout : gameLayouts) {
            for (const auto view : { RegistryReader::View::Wow32, RegistryReader::View::Native }) {
                installFolders << search.registry->value(
                    u"HKEY_LOCAL_MACHINE\\"_s + layout.registryKey, u"InstallPath"_s, view);
            }
        }
        steamRoots << SteamRoot { search.registry->value(
                                      steamUserKey, u"SteamPath"_s, RegistryReader::View::Native),
            QString() };
        steamRoots << SteamRoot { search.registry->value(steamMachineKey, u"InstallPath"_s,
                                      RegistryReader::View::Wow32),
            QString() };
    }

    QStringList folders = installFolders;
    for (const SteamRoot &root : steamRoots) {
        if (root.folder.isEmpty())
            continue;
        for (const QString &library : steamLibraries(root.folder)) {
            const QString folder = root.winePrefix.isEmpty()
                ? QDir::fromNativeSeparators(library)
                : inWinePrefix(root.winePrefix, library);
            for (const GameLayout &layout : gameLayouts)
                folders << folder + u"/steamapps/common/"_s + layout.steamFolder;
        }
    }
    folders.removeAll(QString());
    return folders;
}

} // namespace

QList<GameInstall> findGames(const GameSearch &search)
{
    QList<GameInstall> found;
    QSet<QString> seen;
    // An install of COD that United Offensive was added to holds both games.
    for (const QString &folder : candidateFolders(search)) {
        for (const GameLayout &layout : gameLayouts) {
            const QFileInfo own(QDir::fromNativeSeparators(folder) + u'/' + layout.gameFolder);
            const QString canonical = own.canonicalFilePath();
            if (canonical.isEmpty() || !own.isDir() || seen.contains(canonical)
                || QDir(own.absoluteFilePath())
                       .entryList({ layout.archivePattern }, QDir::Files)
                       .isEmpty())
                continue;
            seen.insert(canonical);
            const QString mainFolder = QDir::cleanPath(own.absoluteFilePath());
            found << GameInstall { layout.version, mainFolder,
                virtualStoreFolder(mainFolder, search) };
        }
    }
    std::ranges::stable_sort(found, {}, &GameInstall::version);
    return found;
}

bool canCreateFilesIn(const QString &folder)
{
    QTemporaryFile probe(folder + u"/.tintmark-XXXXXX"_s);
    return probe.open();
}

#ifdef Q_OS_WIN
namespace {

class WindowsRegistry : public RegistryReader {
public:
    QString value(const QString &key, const QString &name, View view) const override
    {
        const QSettings settings(
            key, view == View::Wow32 ? QSettings::Registry32Format : QSettings::Registry64Format);
        return QDir::fromNativeSeparators(settings.value(name).toString());
    }
};

} // namespace
#endif

GameSearch GameSearch::ofThisSystem()
{
    GameSearch search;
#ifdef Q_OS_WIN
    static const WindowsRegistry registry;
    search.registry = &registry;
    search.programFilesFolders
        = { qEnvironmentVariable("ProgramFiles"), qEnvironmentVariable("ProgramFiles(x86)") };
    search.localAppData = qEnvironmentVariable("LOCALAPPDATA");
    search.canWrite = canCreateFilesIn;
#else
    search.home = QDir::homePath();
    const QString winePrefix = qEnvironmentVariable("WINEPREFIX");
    if (!winePrefix.isEmpty())
        search.winePrefixes << winePrefix;
    search.winePrefixes << search.home + u"/.wine"_s;
#endif
    return search;
}
