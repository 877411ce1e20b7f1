// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cfgfile/cfgreader.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

// Reading a script as the games read it: regular files alone, at once.
class tst_CfgReader : public QObject {
    Q_OBJECT

private slots:
    void init();
    void readsOnlyScriptFiles_data();
    void readsOnlyScriptFiles();

private:
    QString pathOf(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_CfgReader::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_CfgReader::readsOnlyScriptFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("refusal"); // the start of the reason
    QTest::newRow("a folder") << u"folder"_s << u"It is a folder"_s;
#ifdef Q_OS_UNIX
    // Opening a pipe would wait for a writer, and /dev/zero never ends.
    QTest::newRow("a pipe") << u"fifo"_s << u"It is not a file but a pipe"_s;
    QTest::newRow("a device") << u"/dev/zero"_s << u"It is not a file but a pipe"_s;
#endif
    // Sparse files: read up to the limit, where the zero bytes show it was read; past it, not.
    QTest::newRow("64 MiB, the limit, is read") << u"limit"_s << u"This is not a script"_s;
    QTest::newRow("a byte more is not") << u"over"_s << u"The file is 64 MiB, far larger"_s;
}

void tst_CfgReader::readsOnlyScriptFiles()
{
    QFETCH(QString, kind);
    QFETCH(QString, refusal);
    QString path = kind.startsWith(u'/') ? kind : pathOf(kind);
    if (kind == u"folder") {
        QVERIFY(QDir().mkdir(path));
    } else if (kind == u"fifo") {
#ifdef Q_OS_UNIX
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
    } else if (!kind.startsWith(u'/')) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(CfgReader::largestFile + (kind == u"over")));
    }
    QElapsedTimer clock;
    clock.start();
    QString reason;
    QVERIFY(!CfgReader::read(path, CodePage(), &reason));
    QVERIFY2(reason.startsWith(refusal), qPrintable(reason));
    QVERIFY(clock.elapsed() < 2000);
}

QTEST_APPLESS_MAIN(tst_CfgReader)
#include "tst_cfgreader.moc"
