// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef RECOVERYCOPY_H
#define RECOVERYCOPY_H

#include <QDateTime>
#include <QList>
#include <QLockFile>
#include <QString>

#include <memory>

// A copy of a script the player has not saved, kept in a folder of the program's data, so that
// a crash, a kill or a lost session does not lose it. Each running program keeps its own copy
// beside a lock file it holds; a copy whose lock nobody holds any more is one to offer back.
class RecoveryCopy {
public:
    // A copy left by a program that is gone.
    struct Left {
        QString file;
        QDateTime written;
        QString text; // the editor's text, exactly
    };

    // The folder: the program's data folder when empty.
    explicit RecoveryCopy(QString folder = {});
    ~RecoveryCopy();

    // Replaces this program's copy with text; false when it cannot be written.
    bool write(const QString &text);
    // Removes this program's copy, once the script is saved or let go.
    void remove();
    QString file() const { return m_file; }

    // The copies that programs no longer running left behind, oldest first.
    QList<Left> leftBehind() const;
    // Removes a copy left behind, once recovered or discarded.
    static void discard(const Left &copy);

private:
    QString m_folder;
    QString m_file;
    std::unique_ptr<QLockFile> m_lock; // held while the program runs
};

#endif // RECOVERYCOPY_H
