// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GAMEARCHIVES_H
#define GAMEARCHIVES_H

#include "gamearchive.h"

#include <QStringList>

#include <vector>

// The data archives of a game's folder in the order its file system searches them, so that a
// file in a later archive overrides the same file in an earlier one, as a patch's archive does.
class GameArchives {
public:
    // The archives named *suffix (".iwd", ".pk3") in folder.
    GameArchives(const QString &folder, const QString &suffix);

    // The file at path from the first archive in the search order that holds it.
    std::optional<QByteArray> read(const QString &path, qint64 maxBytes) const;
    bool isEmpty() const { return m_archives.empty(); }

    // The archives' file names in the order the game searches them (FS_AddPakFilesForGameDirectory
    // and FS_AddSearchPath, opencod1 universal/com_files.c): sorted by FS_PathCmp, each put
    // first, so the last in name order is searched first; the localized archives
    // ("localized_russian_iw07.iwd") after all the others, likewise.
    static QStringList searchOrder(QStringList fileNames);

private:
    std::vector<GameArchive> m_archives;
};

#endif // GAMEARCHIVES_H
