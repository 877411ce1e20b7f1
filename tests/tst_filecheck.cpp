// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cfgfile/cfgreader.h"
#include "checker/filecheck.h"
#include "treefile.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The check of script files that --check prints: each file as its place reads it, the scripts it
// execs from its folder, each once, and the exit status.
class tst_FileCheck : public QObject {
    Q_OBJECT

private slots:
    void statusAndReport_data();
    void statusAndReport();
};

void tst_FileCheck::statusAndReport_data()
{
    QTest::addColumn<QList<QByteArray>>("files"); // "name=bytes" in the scripts' folder
    QTest::addColumn<QStringList>("checked"); // the names given
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("reported"); // each once in the report

    const QStringList a { u"a.cfg"_s };
    QTest::newRow("no warnings, at the player's frame rate")
        << QList<QByteArray> { "a.cfg=set name ^1A\r\n" } << a << 0
        << QStringList { u"a.cfg\nNames in COD 2 at com_maxfps 125"_s, u"No warnings"_s };
    QTest::newRow("a warning") << QList<QByteArray> { "a.cfg=wait -1\r\n" } << a << 1
                               << QStringList { u"line 1: A wait with a negative number"_s };
    QTest::newRow("a file that cannot be read, then one with a warning")
        << QList<QByteArray> { "a.cfg=wait -1\r\n" } << QStringList { u"gone.cfg"_s, u"a.cfg"_s }
        << 2 << QStringList { u"a.cfg\n"_s };
    QTest::newRow("saved as UTF-8, as a note says")
        << QList<QByteArray> { "a.cfg=set name \"B\xc3\xa9\"\r\n" } << a << 1
        << QStringList { u"It was saved as UTF-8, but this edition of the game reads "
                         "Windows-1252"_s };
    // Characters in comments the game never shows: only what it runs reads wrongly.
    QTest::newRow("UTF-8 in a comment alone")
        << QList<QByteArray> { "a.cfg=// caf\xc3\xa9\r\nset name A\r\n" } << a << 0
        << QStringList { u"No warnings"_s };
    QTest::newRow("the scripts it execs, each once")
        << QList<QByteArray> { "a.cfg=exec b\r\nexec b.cfg\r\n", "b.cfg=set name ^2B\r\n" } << a
        << 0 << QStringList { u"a.cfg\n"_s, u"b.cfg\nNames in COD 2"_s };
}

void tst_FileCheck::statusAndReport()
{
    QFETCH(QList<QByteArray>, files);
    QFETCH(QStringList, checked);
    QFETCH(int, status);
    QFETCH(QStringList, reported);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    for (const QByteArray &file : files) {
        const qsizetype equals = file.indexOf('=');
        QVERIFY(writeTreeFile(
            folder.filePath(QString::fromLatin1(file.first(equals))), file.sliced(equals + 1)));
    }
    QStringList paths;
    for (const QString &name : checked)
        paths << folder.filePath(name);
    // The place of every file: a Western edition, a player at com_maxfps 125.
    const auto read = [](const QString &path, QString *errorString) -> std::optional<CheckedFile> {
        const std::optional<QString> text = CfgReader::read(path, CodePage(), errorString);
        if (!text)
            return std::nullopt;
        return CheckedFile { *text, CfgReader::isSavedAsUtf8(*text, CodePage()), CodePage(), 125,
            [folder = QFileInfo(path).dir()](const QString &name) {
                QString unread;
                return CfgReader::read(folder.filePath(name), CodePage(), &unread);
            } };
    };
    const FileCheck::Result result
        = FileCheck::check(paths, read, GameVersion::Cod2, ConsoleRules::GameServer {});
    QCOMPARE(int(result.status), status);
    for (const QString &words : reported)
        QVERIFY2(result.report.count(words) == 1, qPrintable(result.report));
    QCOMPARE(result.unread.size(), status == 2 ? 1 : 0);
    if (status == 2) {
        QCOMPARE(result.unread.first().file, paths.first());
        QVERIFY(!result.unread.first().reason.isEmpty());
    }
}

QTEST_APPLESS_MAIN(tst_FileCheck)
#include "tst_filecheck.moc"
