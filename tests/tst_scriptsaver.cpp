// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakedialogs.h"
#include "widgets/gameedition.h"
#include "gametrees.h"
#include "widgets/recentscripts.h"
#include "widgets/scriptsaver.h"
#include "writefaults.h"

#include <QApplication>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The one save of both windows: where the script goes, what a failure says, what comes after.
class tst_ScriptSaver : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void savesWhereTheGameReadsIt();
    void failedWriteKeepsTheOldScript();

private:
    QTemporaryDir m_settings;
    std::unique_ptr<QTemporaryDir> m_dir;
    FakeDialogs m_dialogs;
    std::unique_ptr<InstalledGames> m_games;
    std::unique_ptr<GameEdition> m_edition;
    std::unique_ptr<ScriptSaver> m_saver;
    std::unique_ptr<QWidget> m_window; // whose save it is
};

void tst_ScriptSaver::initTestCase()
{
    // The recent scripts go to the test's own settings.
    QVERIFY(m_settings.isValid());
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
}

void tst_ScriptSaver::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_dialogs = {};
    m_games = std::make_unique<InstalledGames>(GameTrees::searchIn(m_dir->path()));
    m_edition = std::make_unique<GameEdition>(*m_games);
    m_saver = std::make_unique<ScriptSaver>(m_dialogs, *m_edition);
    m_window = std::make_unique<QWidget>();
}

void tst_ScriptSaver::cleanup()
{
    m_window.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

// A save into an old game's protected folder goes where Windows keeps the game's writes; it is
// offered among the recent scripts, and the notice says what to type.
void tst_ScriptSaver::savesWhereTheGameReadsIt()
{
    QVERIFY(GameTrees::installIn(m_dir->path()));
    const QString store = GameTrees::virtualStoreOf(m_dir->path());
    QVERIFY(QDir().mkpath(store));
    m_dialogs.path = m_dir->filePath(GameTrees::protectedCod2 + u"/sniper.cfg"_s);
    const QString saved = m_saver->save(m_window.get(), [] { return u"set name ^1A"_s; });
    QCOMPARE(saved, store + u"/sniper.cfg"_s);
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("set name ^1A\r\n"));
    QCOMPARE(RecentScripts::paths().value(0), saved);
    const auto *notice = m_window->findChild<QLabel *>(u"saveNotice"_s);
    QVERIFY(notice && notice->text().contains(u"type: /exec sniper.cfg"_s));
}

// A one-name save that the system cuts short leaves the old script whole and says why.
void tst_ScriptSaver::failedWriteKeepsTheOldScript()
{
    // Each fault stands where the writer is tested; here the message reaches the player.
    const WriteFault fault = WriteFault::FileSizeLimit;
    const QByteArray old = "set name ^1Old\r\n";
    QStringList savedTo;
    const FaultedSave saved
        = saveUnderFault(fault, old, m_dir->path(), m_dialogs, [this, &savedTo] {
              savedTo << m_saver->save(m_window.get(), [] { return u"set name ^2New"_s; });
          });
    if (saved.notMade)
        QSKIP(saved.notMade);
    QCOMPARE(saved.kept, old);
    QCOMPARE(saved.files, QStringList { "old.cfg" });
    QCOMPARE(m_dialogs.messages.size(), 1);
    QVERIFY2(
        m_dialogs.messages.first().contains(saved.reason), qPrintable(m_dialogs.messages.first()));
    QCOMPARE(savedTo.value(0), QString()); // not saved
    // Once the fault is gone, the same save works.
    QVERIFY2(saved.savedAfter.contains("^2New"), saved.savedAfter.constData());
}

QTEST_MAIN(tst_ScriptSaver)
#include "tst_scriptsaver.moc"
