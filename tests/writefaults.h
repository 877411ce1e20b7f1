// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef WRITEFAULTS_H
#define WRITEFAULTS_H

// Real write failures for the tests, made the way a player meets them: a file size limit that
// the kernel enforces, and a small file system that is full.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMetaType>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <utility>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>

// While it lives, this process cannot make a file longer than the limit: a write past it fails
// with EFBIG, as SIGXFSZ is ignored, instead of killing the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit { bytes, m_old.rlim_max };
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool isActive() const { return m_active; }
    // The reason the system gives, in the words a message shows.
    static QString reason() { return QString::fromLocal8Bit(std::strerror(EFBIG)); }

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
    bool m_active = false;
};

// A file system of a few pages, mounted while it lives, that holds a file "old.cfg" with the
// given bytes and is otherwise full. Mounting needs root; isMounted() says whether it worked.
class FullFileSystem {
public:
    explicit FullFileSystem(const QByteArray &oldBytes)
    {
        if (!m_mountPoint.isValid()
            || mount("tintmark-test", qPrintable(m_mountPoint.path()), "tmpfs", 0, "size=16k") != 0)
            return;
        m_mounted = true;
        QFile old(oldPath());
        if (!old.open(QIODevice::WriteOnly) || old.write(oldBytes) != oldBytes.size())
            return;
        old.close();
        // Fill every free byte, a page at a time and then a byte at a time.
        QFile filler(m_mountPoint.filePath(QStringLiteral("filler")));
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        const QByteArray page(4096, 'f');
        while (filler.write(page) == page.size()) { }
        while (filler.write("f", 1) == 1) { }
        m_full = true;
    }
    ~FullFileSystem()
    {
        if (m_mounted)
            umount(qPrintable(m_mountPoint.path()));
    }
    FullFileSystem(const FullFileSystem &) = delete;
    FullFileSystem &operator=(const FullFileSystem &) = delete;

    bool isReady() const { return m_full; }
    QString oldPath() const { return m_mountPoint.filePath(QStringLiteral("old.cfg")); }
    QStringList files() const { return QDir(m_mountPoint.path()).entryList(QDir::Files); }
    static QString reason() { return QString::fromLocal8Bit(std::strerror(ENOSPC)); }

private:
    QTemporaryDir m_mountPoint;
    bool m_mounted = false;
    bool m_full = false;
};

// A script "old.cfg" with the given bytes in folder, with another file of the same bytes mounted
// over it while this lives: a save opens, writes and flushes its temporary file as usual, and
// only its last step, the rename over the script, fails (EBUSY), as when the folder changes
// under the save. Mounting needs root; isReady() says whether it worked.
class MountedOverScript {
public:
    MountedOverScript(const QByteArray &oldBytes, const QString &folder)
        : m_path(QDir(folder).filePath(QStringLiteral("old.cfg")))
    {
        const auto write = [&oldBytes](const QString &path) {
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write(oldBytes) == oldBytes.size();
        };
        const QString over = m_elsewhere.filePath(QStringLiteral("over.cfg"));
        m_ready = m_elsewhere.isValid() && write(m_path) && write(over)
            && mount(qPrintable(over), qPrintable(m_path), nullptr, MS_BIND, nullptr) == 0;
    }
    ~MountedOverScript()
    {
        if (m_ready)
            umount(qPrintable(m_path));
    }
    MountedOverScript(const MountedOverScript &) = delete;
    MountedOverScript &operator=(const MountedOverScript &) = delete;

    bool isReady() const { return m_ready; }
    QString path() const { return m_path; }
    static QString reason() { return QString::fromLocal8Bit(std::strerror(EBUSY)); }

private:
    QString m_path;
    QTemporaryDir m_elsewhere;
    bool m_ready = false;
};
#else
// Elsewhere the tests cannot make these faults: the tests that need one are skipped.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64) { }
    bool isActive() const { return false; }
    static QString reason() { return QString::fromLocal8Bit(std::strerror(EFBIG)); }
};

class FullFileSystem {
public:
    explicit FullFileSystem(const QByteArray &) { }
    bool isReady() const { return false; }
    QString oldPath() const { return {}; }
    QStringList files() const { return {}; }
    static QString reason() { return QString::fromLocal8Bit(std::strerror(ENOSPC)); }
};

class MountedOverScript {
public:
    MountedOverScript(const QByteArray &, const QString &) { }
    bool isReady() const { return false; }
    QString path() const { return {}; }
    static QString reason() { return QString::fromLocal8Bit(std::strerror(EBUSY)); }
};
#endif

// Why a test could not make a fault.
constexpr const char *noFileSizeLimit = "A file size limit that the kernel enforces needs Linux.";
constexpr const char *noFullFileSystem
    = "Mounting a small file system to fill needs Linux and root.";
constexpr const char *noMountOverScript = "Mounting a file over the script needs Linux and root.";

// The faults, made around a save that replaces a script: while writing, while flushing the last
// bytes, and at the commit that replaces the script.
enum class WriteFault { FileSizeLimit, FullDisk, CommitFails };
Q_DECLARE_METATYPE(WriteFault)

struct FaultedSave {
    const char *notMade = nullptr; // why the fault could not be made here, if it could not
    QByteArray kept; // what the script holds afterwards
    QStringList files; // the files in its folder, but the one that fills the disk
    QString reason; // the words a message about the fault must hold
    QByteArray savedAfter; // what a save writes once the fault is gone, where it can go
};

// The rows of a test that saves under each fault.
inline void addWriteFaultRows()
{
    QTest::addColumn<WriteFault>("fault");
    QTest::newRow("file size limit") << WriteFault::FileSizeLimit;
    QTest::newRow("full disk") << WriteFault::FullDisk;
    QTest::newRow("commit fails") << WriteFault::CommitFails;
}

// Makes the fault, points the chooser at a script "old.cfg" that holds oldBytes and runs save,
// which saves over it as the player would.
template <typename Chooser, typename Save>
FaultedSave saveUnderFault(WriteFault fault, const QByteArray &oldBytes, const QString &folder,
    Chooser &chooser, Save save)
{
    FaultedSave saved;
    const auto read = [&saved](const QString &path) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            saved.kept = file.readAll();
    };
    // Once the fault is gone, the same save again.
    const auto saveAgain = [&] {
        const QByteArray kept = saved.kept;
        save();
        read(chooser.path);
        saved.savedAfter = std::exchange(saved.kept, kept);
    };
    if (fault == WriteFault::FullDisk) {
        FullFileSystem disk(oldBytes);
        if (!disk.isReady()) {
            saved.notMade = noFullFileSystem;
            return saved;
        }
        chooser.path = disk.oldPath();
        save();
        read(disk.oldPath());
        saved.files = disk.files();
        saved.files.removeAll(QStringLiteral("filler"));
        saved.reason = FullFileSystem::reason();
    } else if (fault == WriteFault::CommitFails) {
        {
            MountedOverScript mounted(oldBytes, folder);
            if (!mounted.isReady()) {
                saved.notMade = noMountOverScript;
                return saved;
            }
            chooser.path = mounted.path();
            save();
            read(chooser.path);
            saved.files = QDir(folder).entryList(QDir::Files);
            saved.reason = MountedOverScript::reason();
        }
        saveAgain();
    } else {
        chooser.path = QDir(folder).filePath(QStringLiteral("old.cfg"));
        QFile old(chooser.path);
        if (!old.open(QIODevice::WriteOnly) || old.write(oldBytes) != oldBytes.size())
            return saved;
        old.close();
        {
            FileSizeLimit limit(4);
            if (!limit.isActive()) {
                saved.notMade = noFileSizeLimit;
                return saved;
            }
            save();
        }
        read(chooser.path);
        saved.files = QDir(folder).entryList(QDir::Files);
        saved.reason = FileSizeLimit::reason();
        saveAgain();
    }
    return saved;
}

#endif // WRITEFAULTS_H
