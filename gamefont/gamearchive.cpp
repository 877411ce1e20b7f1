// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamearchive.h"

#include <QtGui/private/qzipreader_p.h>

#include <QSet>
#include <QtEndian>

#include <array>

namespace {

// The zip format's CRC-32, which QZipReader does not check.
quint32 crc32(QByteArrayView data)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t;
        for (quint32 i = 0; i < 256; ++i) {
            quint32 c = i;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xedb88320 ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    quint32 crc = 0xffffffff;
    for (const char byte : data)
        crc = table[(crc ^ quint8(byte)) & 0xff] ^ (crc >> 8);
    return crc ^ 0xffffffff;
}

// The packed size of each entry of the archive's central directory, in its order, found as
// QZipReader finds the directory (the end record searched for from the end, at most 64 KiB
// back); nothing when the directory is damaged. QZipReader reads an entry's packed size from
// there and allocates it before reading: these sizes are checked against the file first. A
// directory that names an entry twice is damaged too: QZipReader reads the first entry of the
// name, even one whose sizes it could not make sense of, and so not the one checked.
std::optional<QList<qint64>> packedSizes(QIODevice *device)
{
    constexpr qint64 endRecordSize = 22;
    constexpr qint64 entrySize = 46;
    const qint64 size = device->size();
    const QByteArray tail = (device->seek(std::max<qint64>(0, size - endRecordSize - 0xffff)),
        device->read(std::min<qint64>(size, endRecordSize + 0xffff)));
    const qsizetype end = tail.lastIndexOf("PK\x05\x06");
    if (end < 0 || tail.size() - end < endRecordSize)
        return std::nullopt;
    const auto *record = reinterpret_cast<const uchar *>(tail.constData()) + end;
    const int count = qFromLittleEndian<quint16>(record + 10);
    const qint64 start = qFromLittleEndian<quint32>(record + 16);
    if (!device->seek(start))
        return std::nullopt;
    QList<qint64> sizes;
    QSet<QByteArray> names;
    for (int i = 0; i < count; ++i) {
        const QByteArray entry = device->read(entrySize);
        if (entry.size() < entrySize || !entry.startsWith("PK\x01\x02"))
            return std::nullopt;
        const auto *p = reinterpret_cast<const uchar *>(entry.constData());
        sizes.append(qFromLittleEndian<quint32>(p + 20));
        const quint16 nameSize = qFromLittleEndian<quint16>(p + 28);
        const qsizetype known = names.size();
        names.insert(device->read(nameSize));
        if (names.size() == known)
            return std::nullopt;
        const qint64 skip
            = qint64(qFromLittleEndian<quint16>(p + 30)) + qFromLittleEndian<quint16>(p + 32);
        if (!device->seek(device->pos() + skip) || device->pos() > size)
            return std::nullopt;
    }
    return sizes;
}

} // namespace

GameArchive::GameArchive(const QString &fileName)
    : m_reader(std::make_unique<QZipReader>(fileName, QIODevice::ReadOnly))
{
    index();
}

GameArchive::GameArchive(QIODevice *device)
    : m_reader(std::make_unique<QZipReader>(device))
{
    index();
}

GameArchive::~GameArchive() = default;
GameArchive::GameArchive(GameArchive &&) noexcept = default;
GameArchive &GameArchive::operator=(GameArchive &&) noexcept = default;

void GameArchive::index()
{
    const QList<QZipReader::FileInfo> infos = m_reader->status() == QZipReader::NoError
        ? m_reader->fileInfoList()
        : QList<QZipReader::FileInfo>();
    const std::optional<QList<qint64>> packed = packedSizes(m_reader->device());
    if (infos.isEmpty() || !packed || packed->size() != infos.size()) {
        m_reader.reset();
        return;
    }
    const qint64 archiveSize = m_reader->device()->size();
    for (qsizetype i = 0; i < infos.size(); ++i) {
        const QZipReader::FileInfo &info = infos[i];
        // Deflate makes nothing more than slightly larger; an entry packed larger than it
        // unpacks, or than the archive, is damaged.
        const qint64 packedSize = packed->at(i);
        if (!info.isFile || packedSize > archiveSize || packedSize > info.size + info.size / 8 + 64)
            continue;
        // Of two entries of one name the later wins: FS_LoadZipFile puts each entry first in
        // its hash chain (Quake III code/qcommon/files.c, which COD's file system keeps).
        m_entries.insert(comparable(info.filePath), { info.filePath, info.size, info.crc });
    }
}

std::optional<QByteArray> GameArchive::read(const QString &path, qint64 maxBytes) const
{
    const auto entry = m_entries.constFind(comparable(path));
    if (!m_reader || entry == m_entries.cend() || entry->size > maxBytes)
        return std::nullopt;
    const QByteArray data = m_reader->fileData(entry->path);
    // QZipReader answers a damaged entry with what it could unpack: the size and checksum the
    // directory gives tell them apart.
    if (data.size() != entry->size || crc32(data) != entry->crc)
        return std::nullopt;
    return data;
}

QString GameArchive::comparable(const QString &path)
{
    QString result = path;
    for (QChar &c : result) {
        if (c == u'\\' || c == u':')
            c = u'/';
        else if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return result;
}
