// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GAMEFINDER_H
#define GAMEFINDER_H

#include "console/gameversion.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// An installed game: the folder its exec reads scripts from.
struct GameInstall {
    // COD is taken as patched to 1.3: its configs and names follow the rules that 1.1 and 1.3
    // share, and only the command buffer, which the finder cannot see, differs between them.
    GameVersion version = GameVersion::Cod2;
    QString mainFolder; // the game's own folder: main, or United Offensive's uo
    // Where a script goes for exec to find it: mainFolder, or on Windows the player's
    // VirtualStore copy of it when mainFolder cannot be written (see findGames()).
    QString scriptFolder;

    GameFamily family() const { return familyOf(version); }

    friend bool operator==(const GameInstall &, const GameInstall &) = default;
};

// Reads the Windows registry. Tests answer with their own values.
class RegistryReader {
public:
    enum class View { Native, Wow32 };

    virtual ~RegistryReader() = default;

    // The string value name of key (a full key such as "HKEY_LOCAL_MACHINE\\SOFTWARE\\..."), or
    // an empty string when there is none.
    virtual QString value(const QString &key, const QString &name, View view) const = 0;
};

// Where to look for the games. ofThisSystem() fills it from the running system; tests fill it
// with folder trees of their own.
struct GameSearch {
    // Linux: Steam's libraries under the home folder, and Wine prefixes.
    QString home;
    QStringList winePrefixes;
    // Windows: the registry, and what decides where Windows redirects a write into Program Files.
    const RegistryReader *registry = nullptr;
    QStringList programFilesFolders;
    QString localAppData;
    std::function<bool(const QString &folder)> canWrite;

    static GameSearch ofThisSystem();
};

// The installed games, COD 2's first, each game's folder once. A folder counts as a game when its
// own folder holds the game's data archives: COD 2's .iwd files in main, COD's .pk3 files in
// main, United Offensive's .pk3 files in uo.
QList<GameInstall> findGames(const GameSearch &search);

// Whether a program can create files in folder, found by trying: on Windows the folder's
// attributes do not say whether its permissions let this account write.
bool canCreateFilesIn(const QString &folder);

#endif // GAMEFINDER_H
