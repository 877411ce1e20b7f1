// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cfgfile/recoverycopy.h"
#include "treefile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The copies of unsaved scripts: a program's own while it runs, offered back once it is gone.
class tst_RecoveryCopy : public QObject {
    Q_OBJECT

private slots:
    void init();
    void leftBehindOnlyByAProgramGone_data();
    void leftBehindOnlyByAProgramGone();
    void removedOnceSavedOrLetGo();

private:
    // A program killed while it kept a copy of text, its lock left in place; false when it
    // could not be made to.
    bool killAProgramKeepingACopy(const QString &text);

    std::unique_ptr<QTemporaryDir> m_folder;
};

void tst_RecoveryCopy::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
}

bool tst_RecoveryCopy::killAProgramKeepingACopy(const QString &text)
{
    QProcess program;
    program.start(QStringLiteral(KEEPCOPY), { m_folder->path(), text });
    QByteArray output;
    while (!output.contains("copy written") && program.waitForReadyRead(10'000))
        output += program.readAllStandardOutput();
    program.kill();
    return program.waitForFinished(10'000) && output.contains("copy written");
}

void tst_RecoveryCopy::leftBehindOnlyByAProgramGone_data()
{
    QTest::addColumn<QString>("by");
    QTest::addColumn<bool>("left");
    QTest::newRow("a program still running") << u"running"_s << false;
    QTest::newRow("a copy without its lock") << u"unlocked"_s << true;
    QTest::newRow("a program killed, its lock still there") << u"killed"_s << true;
}

void tst_RecoveryCopy::leftBehindOnlyByAProgramGone()
{
    QFETCH(QString, by);
    QFETCH(bool, left);
    const QString text = u"set name ^1Lost \u20ac\nwait 10\n\nset name ^2Found"_s;
    RecoveryCopy running(m_folder->path());
    if (by == u"running")
        QVERIFY(running.write(text));
    else if (by == u"unlocked")
        QVERIFY(writeTreeFile(m_folder->filePath(u"left.recovery"_s), text.toUtf8()));
    else
        QVERIFY(killAProgramKeepingACopy(text));

    const QList<RecoveryCopy::Left> copies = RecoveryCopy(m_folder->path()).leftBehind();
    QCOMPARE(copies.size(), left ? 1 : 0);
    if (!left)
        return;
    QCOMPARE(copies.first().text, text);
    // Recovered or discarded, it is not offered again.
    RecoveryCopy::discard(copies.first());
    QCOMPARE(RecoveryCopy(m_folder->path()).leftBehind().size(), 0);
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList());
}

// The program's own copy holds the editor's text exactly, and goes once the script is saved.
void tst_RecoveryCopy::removedOnceSavedOrLetGo()
{
    RecoveryCopy copy(m_folder->path());
    const QString text = u"set name \"a\u00a0b\"\r\n\u20ac"_s;
    QVERIFY(copy.write(text));
    QVERIFY(copy.write(text + u'!'));
    QFile file(copy.file());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), text + u'!');
    file.close();
    copy.remove();
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList());
}

QTEST_GUILESS_MAIN(tst_RecoveryCopy)
#include "tst_recoverycopy.moc"
