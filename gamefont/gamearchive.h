// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GAMEARCHIVE_H
#define GAMEARCHIVE_H

#include <QByteArray>
#include <QHash>
#include <QString>

#include <memory>
#include <optional>

class QIODevice;
class QZipReader;

// One of a game's data archives (COD 2's .iwd, COD's .pk3: zip files), opened read only. A
// damaged archive holds nothing; reading never changes the file.
class GameArchive {
public:
    explicit GameArchive(const QString &fileName);
    // Reads from device, which must outlive the archive (the fuzz target and tests).
    explicit GameArchive(QIODevice *device);
    ~GameArchive();
    GameArchive(GameArchive &&) noexcept;
    GameArchive &operator=(GameArchive &&) noexcept;

    bool isReadable() const { return m_reader != nullptr; }
    // The file at path, found as the game's file system finds it (letters of either case, either
    // slash); nothing when the archive lacks it, it unpacks to more than maxBytes, or its data is
    // damaged.
    std::optional<QByteArray> read(const QString &path, qint64 maxBytes) const;

    // A path as the game compares it (FS_PathCmp, opencod1 universal/com_files.c): letters in
    // upper case, backslashes and colons as slashes.
    static QString comparable(const QString &path);

private:
    void index();

    std::unique_ptr<QZipReader> m_reader;
    struct Entry {
        QString path; // as stored
        qint64 size;
        quint32 crc;
    };
    QHash<QString, Entry> m_entries; // by comparable path
};

#endif // GAMEARCHIVE_H
