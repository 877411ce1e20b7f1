// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tintmarkprogram.h"
#include "games/installedgames.h"
#include "player/scriptplayerwindow.h"
#include "treefile.h"
#include "widgets/gamecolors.h"
#include "widgets/gameedition.h"
#include "widgets/gameletters.h"
#include "widgets/recentscripts.h"

#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// "tintmark --check" as players run it on their scripts: the program itself, without a window;
// and "tintmark FILE".
class tst_CommandLine : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void helpAndVersion_data();
    void helpAndVersion();
    void exitStatus_data();
    void exitStatus();
    void warnsInTheWordsOfTheWindow();
    void checksTheScriptsItExecs();
    void checksForTheGameAsked();
    void serverConfigsAreNotToldOfNames();
    void opensTheScriptGivenInTheEditor();

private:
    QString write(const QString &name, const QByteArray &bytes);
    QProcessEnvironment environment() const;
    int run(const QStringList &arguments);

    QTemporaryDir m_dir;
    QString m_out;
    QString m_err;
};

namespace {

const QByteArray animated = "// animated\r\nset name ^1A\r\nwait 170\r\nset name ^2B\r\n";
const QByteArray looping = "set a \"set name ^1A; wait 10; vstr b\"\r\n"
                           "set b \"set name ^2B; wait 10; vstr a\"\r\n"
                           "vstr a\r\n set name ^1X set name ^2Y\r\n";

} // namespace

void tst_CommandLine::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // The program's settings, which it writes in the folder the tests give it.
    TintmarkProgram::setUpIdentity();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.filePath(u"home"_s));
}

QString tst_CommandLine::write(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    return writeTreeFile(path, bytes) ? path : QString();
}

QProcessEnvironment tst_CommandLine::environment() const
{
    // No display at all: the check must not need one.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"DISPLAY"_s);
    environment.remove(u"WAYLAND_DISPLAY"_s);
    environment.remove(u"QT_QPA_PLATFORM"_s);
    // English, and none of the developer's settings or installed games.
    for (const char *variable : { "LANGUAGE", "LC_ALL", "LC_MESSAGES" })
        environment.remove(QLatin1String(variable));
    environment.insert(u"LANG"_s, u"C"_s);
    for (const char *folder : { "HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "APPDATA" })
        environment.insert(QLatin1String(folder), m_dir.filePath(u"home"_s));
    return environment;
}

int tst_CommandLine::run(const QStringList &arguments)
{
    QProcess tintmark;
    tintmark.setProcessEnvironment(environment());
    // Text mode reads Windows' CR LF line ends as the line breaks they are.
    tintmark.start(QStringLiteral(TINTMARK), arguments, QIODevice::ReadOnly | QIODevice::Text);
    if (!tintmark.waitForFinished(20000))
        return -1;
    m_out = QString::fromUtf8(tintmark.readAllStandardOutput());
    m_err = QString::fromUtf8(tintmark.readAllStandardError());
    return tintmark.exitStatus() == QProcess::NormalExit ? tintmark.exitCode() : -1;
}

// Both work without a display, as the package's scripts and a console call them.
void tst_CommandLine::helpAndVersion_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("begins");
    const QString usage
        = u"Usage: tintmark [FILE | --check [--game GAME] [--server SERVER] [--sv-fps N] [--maxfps N] [--language NAME] FILE... | --version | --help]\n"_s;
    QTest::newRow("--help") << u"--help"_s << usage;
    QTest::newRow("-h") << u"-h"_s << usage;
    QTest::newRow("--version") << u"--version"_s << u"tintmark 1.0.0\n"_s;
    QTest::newRow("-v") << u"-v"_s << u"tintmark 1.0.0\n"_s;
}

void tst_CommandLine::helpAndVersion()
{
    QFETCH(QString, option);
    QFETCH(QString, begins);
    QCOMPARE(run({ option }), 0);
    QVERIFY2(m_out.startsWith(begins), qPrintable(m_out));
    if (begins.startsWith(u"Usage")) {
        for (const QString &listed : { u"--check"_s, u"--version"_s, u"--help"_s })
            QVERIFY2(m_out.contains(listed), qPrintable(listed));
    } else {
        QCOMPARE(m_out, begins);
    }
}

void tst_CommandLine::exitStatus_data()
{
    QTest::addColumn<QList<QByteArray>>("files"); // "<missing>" stands for a missing file
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("printed");
    QTest::addColumn<QStringList>("options");

    // Notes leave the status alone.
    QTest::newRow("no warnings") << QList<QByteArray> { animated } << 0
                                 << QStringList { "0.00 s (0 ticks), line 2: ^1A",
                                        "0.94 s (170 ticks), line 4: ^2B",
                                        "No warnings: the script runs as written.\nNotes:\n",
                                        "  0.95 s, line 4: ^2B" }
                                 << QStringList();
    const QByteArray everyFrame = "set a \"set name ^1A; wait 2; vstr b\"\r\n"
                                  "set b \"set name ^2B; wait 2; vstr a\"\r\nvstr a\r\n";
    QTest::newRow("a loop of names 0.28 s apart drops chat")
        << QList<QByteArray> { QByteArray(looping).replace("wait 10", "wait 50") } << 1
        << QStringList { "flood protection then ignores your chat" } << QStringList();
    QTest::newRow("a name a frame disconnects")
        << QList<QByteArray> { everyFrame } << 1
        << QStringList { "about 91 names a second", "the game disconnects you" } << QStringList();
    QTest::newRow("on a competitive server, a loop paced by wait freezes")
        << QList<QByteArray> { looping } << 1
        << QStringList { "com_maxfps 250", "the game freezes meanwhile" }
        << QStringList { u"--server"_s, u"competitive"_s };
    // The others' snaps, 20 by default, cap what a faster sv_fps sends them.
    QTest::newRow("--sv-fps 40") << QList<QByteArray> { animated } << 0
                                 << QStringList { "at sv_fps 40 (a snapshot every 50 ms)" }
                                 << QStringList { u"--sv-fps"_s, u"40"_s };
    // "<config_mp.cfg TEXT>": the scripts lie in a game's main folder beside that config.
    QTest::newRow("in a game folder whose config sets com_maxfps 125")
        << QList<QByteArray> { animated } << 0
        << QStringList { "at com_maxfps 125, frames of 8 ms", "0.68 s (170 ticks), line 4: ^2B" }
        << QStringList { u"<config_mp.cfg seta com_maxfps \"125\">"_s };
    QTest::newRow("--maxfps over the config's")
        << QList<QByteArray> { animated } << 0
        << QStringList { "at com_maxfps 250, frames of 4 ms" }
        << QStringList { u"<config_mp.cfg seta com_maxfps \"125\">"_s, u"--maxfps"_s, u"250"_s };
    QTest::newRow("--maxfps over 1000") << QList<QByteArray> { animated } << 2 << QStringList()
                                        << QStringList { u"--maxfps"_s, u"1001"_s };
    QTest::newRow("--sv-fps below the game's 10")
        << QList<QByteArray> { animated } << 2 << QStringList()
        << QStringList { u"--sv-fps"_s, u"9"_s };
    QTest::newRow("--server of no known kind")
        << QList<QByteArray> { animated } << 2 << QStringList()
        << QStringList { u"--server"_s, u"pam"_s };
    QTest::newRow("a warning in one of two")
        << QList<QByteArray> { animated, looping } << 1
        << QStringList { "line 1: The script runs a loop (lines 1 and 2) that repeats every 0.11 s",
               "line 4: Two commands run together" }
        << QStringList();
    QTest::newRow("a file that cannot be read") << QList<QByteArray> { "<missing>", animated } << 2
                                                << QStringList { "line 4: ^2B" } << QStringList();
    QTest::newRow("a file that cannot be read, then one with a warning")
        << QList<QByteArray> { "<missing>", looping } << 2
        << QStringList { "line 1: The script runs a loop (lines 1 and 2) that repeats every 0.11 "
                         "s" }
        << QStringList();
    QTest::newRow("a file saved as UTF-8")
        << QList<QByteArray> { "set name \"B\xc3\xa9\"\r\n" } << 1
        << QStringList { "It was saved as UTF-8" } << QStringList();
    // The letters of the game's edition: --language, else the game folder's, else Western.
    const QByteArray sniper = "set name \"\xd1\xed\xe0\xe9\xef\xe5\xf0\"\r\n";
    QTest::newRow("--language russian reads Windows-1251")
        << QList<QByteArray> { sniper } << 0
        << QStringList { "line 1: \u0421\u043d\u0430\u0439\u043f\u0435\u0440\n" }
        << QStringList { u"--language"_s, u"russian"_s };
    QTest::newRow("in the folder of a Russian edition")
        << QList<QByteArray> { sniper } << 0
        << QStringList { "line 1: \u0421\u043d\u0430\u0439\u043f\u0435\u0440\n" }
        << QStringList { u"<config_mp.cfg seta cl_language \"6\">"_s };
    QTest::newRow("the same bytes for a Western edition")
        << QList<QByteArray> { sniper } << 0
        << QStringList { "line 1: \u00d1\u00ed\u00e0\u00e9\u00ef\u00e5\u00f0\n" } << QStringList();
    QTest::newRow("--language of no edition") << QList<QByteArray> { sniper } << 2 << QStringList()
                                              << QStringList { u"--language"_s, u"klingon"_s };
    QTest::newRow("UTF-8 in a comment alone, which the game never shows")
        << QList<QByteArray> { "// caf\xc3\xa9\r\nset name A\r\n" } << 0 << QStringList()
        << QStringList();
    QTest::newRow("a file that is not text") << QList<QByteArray> { QByteArray("\x7f"
                                                                               "ELF\0\0",
        6) } << 2 << QStringList() << QStringList();
}

void tst_CommandLine::exitStatus()
{
    QFETCH(QList<QByteArray>, files);
    QFETCH(int, status);
    QFETCH(QStringList, printed);
    QFETCH(QStringList, options);

    QString folder;
    const QString config = u"<config_mp.cfg "_s;
    if (!options.isEmpty() && options.first().startsWith(config)) {
        folder = u"game/main/"_s;
        write(folder + u"config_mp.cfg"_s,
            options.takeFirst().sliced(config.size()).chopped(1).toUtf8());
    }
    QStringList arguments = QStringList { u"--check"_s } + options;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString name = folder + u"script%1.cfg"_s.arg(i);
        arguments << (files[i] == "<missing>" ? m_dir.filePath(u"missing.cfg"_s)
                                              : write(name, files[i]));
    }
    QCOMPARE(run(arguments), status);
    for (const QString &line : printed)
        QVERIFY2(m_out.contains(line), qPrintable(m_out));
    QCOMPARE(m_err.isEmpty(), status != 2);
}

void tst_CommandLine::warnsInTheWordsOfTheWindow()
{
    QCOMPARE(run({ u"--check"_s, write(u"loop.cfg"_s, looping) }), 1);
    GameColors colors;
    InstalledGames games { GameSearch() };
    GameEdition edition(games);
    GameLetters letters(edition);
    ScriptPlayerWindow window(colors, letters);
    window.setScript(QString::fromLatin1(looping));
    const auto *warnings = window.findChild<QListWidget *>(QStringLiteral("warnings"));
    // The loop, its chat dropped, the line run together, and two notes.
    QCOMPARE(warnings->count(), 5);
    for (int i = 0; i < warnings->count(); ++i)
        QVERIFY2(m_out.contains(u"  "_s + warnings->item(i)->text() + u'\n'), qPrintable(m_out));
}

// A script's exec of one beside it runs it where it stands, and both are checked; one that is
// not there is said once, with its lines.
void tst_CommandLine::checksTheScriptsItExecs()
{
    write(u"other.cfg"_s, "set name ^1Other\r\n");
    QCOMPARE(run({ u"--check"_s, write(u"main.cfg"_s, "exec other\r\n") }), 0);
    QVERIFY2(m_out.contains(u"main.cfg\nNames in COD 2 at com_maxfps 85, frames of 11 ms, 90.9 "
                            "frames a second:\n  0.00 s (0 ticks), line 1: ^1Other\n"_s),
        qPrintable(m_out));
    QVERIFY2(m_out.contains(u"other.cfg\nNames in COD 2"_s), qPrintable(m_out));
    QCOMPARE(run({ u"--check"_s, write(u"gone.cfg"_s, "exec a\r\nexec b\r\nexec a\r\n") }), 1);
    QVERIFY2(m_out.contains(u"line 1: exec runs scripts that this check cannot see into: \"a\" "
                            "(lines 1 and 3), \"b\" (line 2)."_s),
        qPrintable(m_out));
}

void tst_CommandLine::checksForTheGameAsked()
{
    const QString script = write(u"name.cfg"_s, "name ^1X Y\r\n");
    QCOMPARE(run({ u"--check"_s, u"--game"_s, u"cod1.1"_s, script }), 0);
    QVERIFY2(m_out.contains(u"Names in COD 1.1 at com_maxfps 85, frames of 11 ms, 90.9 frames a "
                            "second:\n  0.00 s (0 ticks), line 1: ^1X\n"_s),
        qPrintable(m_out));
    // United Offensive's name cleaning keeps ^8, which COD's drops.
    const QString eight = write(u"eight.cfg"_s, "set name ^8Eight\r\n");
    QCOMPARE(run({ u"--check"_s, u"--game"_s, u"uo"_s, eight }), 0);
    QVERIFY2(m_out.contains(u"Names in COD UO at"_s), qPrintable(m_out));
    QVERIFY2(m_out.contains(u"line 1: ^8Eight\n"_s), qPrintable(m_out));
    QCOMPARE(run({ u"--check"_s, u"--game"_s, u"cod1.3"_s, eight }), 0);
    QVERIFY2(m_out.contains(u"line 1: Eight\n"_s), qPrintable(m_out));
    // United Offensive's own words: its sprint is no command of COD's.
    const QString sprint = write(u"sprint.cfg"_s, "bind SHIFT +sprint\r\n");
    QCOMPARE(run({ u"--check"_s, u"--game"_s, u"uo"_s, sprint }), 0);
    QCOMPARE(run({ u"--check"_s, u"--game"_s, u"cod1.3"_s, sprint }), 1);
    QVERIFY2(m_out.contains(u"\"+sprint\" is not a command of the game"_s), qPrintable(m_out));
    QCOMPARE(run({ u"--check"_s, u"--game"_s, u"cod4"_s, script }), 2);
    QVERIFY2(m_err.contains(u"--game takes cod2, cod1.3, cod1.1 or uo"_s), qPrintable(m_err));
}

// A server's config sets no name, and its report says nothing of names.
void tst_CommandLine::serverConfigsAreNotToldOfNames()
{
    const QString server = write(u"server.cfg"_s,
        "set sv_hostname \"Public\"\r\nset sv_mapRotation \"gametype dm map mp_toujane\"\r\n");
    QCOMPARE(run({ u"--check"_s, server }), 0);
    QVERIFY2(m_out.contains(u"Read as a server's config"_s), qPrintable(m_out));
    QVERIFY2(!m_out.contains(u"Names in"_s), qPrintable(m_out));
}

// "tintmark FILE", as "Open with" starts it: the editor opens the script, which heads the recent
// scripts in the program's settings.
void tst_CommandLine::opensTheScriptGivenInTheEditor()
{
#ifdef Q_OS_WIN
    QSKIP("A Windows program keeps its settings where no environment variable moves them.");
#endif
    const QString script = write(u"given.cfg"_s, animated);
    QProcess tintmark;
    QProcessEnvironment environment = this->environment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    tintmark.setProcessEnvironment(environment);
    tintmark.start(QStringLiteral(TINTMARK), { script });
    QTRY_COMPARE_WITH_TIMEOUT(RecentScripts::paths().value(0), script, 10000);
    // Ended as the desktop ends it, with nothing to save.
    tintmark.terminate();
    QVERIFY(tintmark.waitForFinished(20000));
    QCOMPARE(tintmark.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tintmark.exitCode(), 0);
}

QTEST_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
