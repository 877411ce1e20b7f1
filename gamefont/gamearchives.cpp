// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamearchives.h"

#include <QDir>

#include <algorithm>

GameArchives::GameArchives(const QString &folder, const QString &suffix)
{
    const QDir dir(folder);
    // Matched by hand, not by a name filter: the filter's regular expression keeps a stack for
    // each thread that uses it, and the clean-up of the one this loader's thread left behind
    // deadlocks the Windows program in its exit (winpthreads' pthread_key_delete).
    QStringList names = dir.entryList(QDir::Files | QDir::Readable);
    names.removeIf(
        [&suffix](const QString &name) { return !name.endsWith(suffix, Qt::CaseInsensitive); });
    for (const QString &name : searchOrder(names)) {
        GameArchive archive(dir.filePath(name));
        if (archive.isReadable())
            m_archives.push_back(std::move(archive));
    }
}

std::optional<QByteArray> GameArchives::read(const QString &path, qint64 maxBytes) const
{
    for (const GameArchive &archive : m_archives) {
        if (std::optional<QByteArray> data = archive.read(path, maxBytes))
            return data;
    }
    return std::nullopt;
}

QStringList GameArchives::searchOrder(QStringList fileNames)
{
    const auto localized
        = [](const QString &name) { return name.startsWith(u"localized_", Qt::CaseInsensitive); };
    std::sort(fileNames.begin(), fileNames.end(), [&](const QString &a, const QString &b) {
        if (localized(a) != localized(b))
            return !localized(a);
        // Later in FS_PathCmp's order is searched first.
        return GameArchive::comparable(a) > GameArchive::comparable(b);
    });
    return fileNames;
}
