// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamearchives.h"

#include <QDir>

#include <algorithm>

GameArchives::GameArchives(const QString &folder, const QString &suffix)
{
    const QDir dir(folder);
    const QStringList names
        = dir.entryList({ QLatin1Char('*') + suffix }, QDir::Files | QDir::Readable);
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
