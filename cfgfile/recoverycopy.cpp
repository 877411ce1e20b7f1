// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "recoverycopy.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUuid>

using namespace Qt::StringLiterals;

namespace {

const QString copySuffix = QStringLiteral(".recovery");
const QString lockSuffix = QStringLiteral(".lock");

QString lockOf(const QString &copy) { return copy + lockSuffix; }

} // namespace

RecoveryCopy::RecoveryCopy(QString folder)
    : m_folder(folder.isEmpty()
            ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/recovery"_s
            : std::move(folder))
{
    // A name of its own: two programs running never write over each other's copy.
    m_file
        = QDir(m_folder).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces) + copySuffix);
}

RecoveryCopy::~RecoveryCopy() = default;

bool RecoveryCopy::write(const QString &text)
{
    if (!m_lock) {
        if (!QDir().mkpath(m_folder))
            return false;
        m_lock = std::make_unique<QLockFile>(lockOf(m_file));
        // Never stale while this program runs.
        m_lock->setStaleLockTime(0);
        if (!m_lock->tryLock(0)) {
            m_lock.reset();
            return false;
        }
    }
    // UTF-8, whatever the script holds: the copy keeps the editor's text, not the game's bytes.
    QSaveFile file(m_file);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.commit();
}

void RecoveryCopy::remove()
{
    QFile::remove(m_file);
    if (m_lock) {
        m_lock->unlock();
        m_lock.reset();
    }
}

QList<RecoveryCopy::Left> RecoveryCopy::leftBehind() const
{
    QList<Left> left;
    const QFileInfoList copies = QDir(m_folder).entryInfoList(
        { u"*"_s + copySuffix }, QDir::Files, QDir::Time | QDir::Reversed);
    for (const QFileInfo &copy : copies) {
        if (copy.absoluteFilePath() == QFileInfo(m_file).absoluteFilePath())
            continue;
        // A lock still held is a program still running: its copy is its own.
        QLockFile lock(lockOf(copy.absoluteFilePath()));
        lock.setStaleLockTime(0); // stale only when its program is gone, however old
        if (!lock.tryLock(0))
            continue;
        lock.unlock();
        QFile file(copy.absoluteFilePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        left << Left { copy.absoluteFilePath(), copy.lastModified(),
            QString::fromUtf8(file.readAll()) };
    }
    return left;
}

void RecoveryCopy::discard(const Left &copy)
{
    QFile::remove(copy.file);
    QFile::remove(lockOf(copy.file));
}
