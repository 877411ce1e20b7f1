// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "checker/checkreport.h"
#include "findingrows.h"
#include "checker/scriptchecker.h"
#include "console/ticktime.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Kind = ScriptFinding::Kind;
Q_DECLARE_METATYPE(QList<KeyPress>)
Q_DECLARE_METATYPE(ConsoleRun::End)
Q_DECLARE_METATYPE(GameVersion)
Q_DECLARE_METATYPE(ConsoleRules::ServerKind)

// The report of --check: the names with their times, the keys, the warnings and the notes.
class tst_CheckReport : public QObject {
    Q_OBJECT

private slots:
    void timesFollowTheScriptsFrameRate_data();
    void timesFollowTheScriptsFrameRate();
    void reportNamesTimesAndWarnings();
};

// A script that sets com_maxfps changes the frames from that command on: the times worked out by
// hand, 11 ms frames at 85, 8 at 125, 4 at 250, two ticks a frame.
void tst_CheckReport::timesFollowTheScriptsFrameRate_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("shown");

    QTest::newRow("seta com_maxfps 250 from the start")
        << u"seta com_maxfps 250\nwait 250\nset name B"_s << u"0.50 s (250 ticks), line 3: B"_s;
    QTest::newRow("com_maxfps 125 after 100 ticks at 85")
        << u"wait 100\ncom_maxfps 125\nwait 250\nset name B"_s
        << u"1.55 s (350 ticks), line 4: B"_s;
    QTest::newRow("the number at the start of the value")
        << u"set com_maxfps \"250 x\"\nwait 250\nset name B"_s
        << u"0.50 s (250 ticks), line 3: B"_s;
    // The loop's period at the frames it runs at, as its names' times are, and the header says so.
    const QString loopAt250 = u"seta com_maxfps 250\nset a \"set name A; wait 50; vstr b\"\n"
                              "set b \"set name B; wait 50; vstr a\"\nvstr a"_s;
    QTest::newRow("a loop at 250 repeats every 0.20 s")
        << loopAt250 << u"that repeats every 0.20 s (100 ticks)"_s;
    QTest::newRow("the header names the script's own com_maxfps")
        << loopAt250
        << u"From 0.00 s (0 ticks) the script's own com_maxfps 250 holds: frames of 4 ms."_s;
}

void tst_CheckReport::timesFollowTheScriptsFrameRate()
{
    QFETCH(QString, script);
    QFETCH(QString, shown);
    const ScriptCheck check = ScriptChecker::check(script, 85);
    QVERIFY2(CheckReport::of(check, 85).contains(shown), qPrintable(CheckReport::of(check, 85)));
    // The player window's clock runs back the same way.
    const qint64 tick = check.run.nameChanges.constLast().tick;
    QCOMPARE(check.run.tickAt(check.run.millisecondsAt(tick, 85), 85), tick);
}

void tst_CheckReport::reportNamesTimesAndWarnings()
{
    const ScriptCheck check
        = ScriptChecker::check(u"set name ^1A\r\nwait 170\r\nset name ^2B set name C\r\n"_s, 85);
    QCOMPARE(CheckReport::of(check, 85),
        u"Names in COD 2 at com_maxfps 85, frames of 11 ms, 90.9 frames a second:\n"
        "  0.00 s (0 ticks), line 1: ^1A\n"
        "  0.94 s (170 ticks), line 3: ^2B set name C\n"
        "Names as others on the server see them, at sv_fps 20 (a snapshot every 50 ms):\n"
        "  0.00 s, line 1: ^1A\n"
        "  0.95 s, line 3: ^2B set name C\n"
        "Warnings:\n"
        "  line 3: Two commands run together on one line: the game sets the whole \"^2B set "
        "name C\" as one value. Put \"set name C\" on a line of its own.\n"
        "Notes:\n"
        "  line 1: While the script runs, for 0.94 s, your keys wait behind it: you cannot move, "
        "fire or chat until it ends. Step through the names with a bound key instead, which "
        "holds nothing back.\n"
        "  line 1: In round-based modes (Search and Destroy and the like) the server takes a new "
        "name only at the next round: others see no animation there.\n"
        "  line 3: The game saves the name you have when you leave in config_mp.cfg: after this "
        "script, \"^2B set name C\", your name at the next start.\n"_s);
    QVERIFY(CheckReport::of(ScriptChecker::check(u"set name A"_s, 85), 85)
                .endsWith(u"Warnings:\n  No warnings: the script runs as written.\n"_s));
    // A server's config says so at the top.
    QVERIFY(
        CheckReport::of(ScriptChecker::check(u"set rcon_password x\r\nmap_rotate\r\n"_s, 85), 85)
            .startsWith(u"Read as a server's config: it sets rcon_password."_s));
    // The same warning on consecutive lines is said once, for all of them.
    QVERIFY(CheckReport::of(
        ScriptChecker::check(u"set name B\u00e9\r\nset name C\u00e9\r\nwait\r\n"_s, 85), 85)
                .contains(u"  lines 1 to 2: A character such as"_s));

    // The keys a script binds, and the names one press after another shows.
    const QString stepped = u"set s1 \"set name ^1A; set step vstr s2\"\r\n"
                            "set s2 \"set name ^2B; set step vstr s1\"\r\n"
                            "set step \"vstr s1\"\r\nbind k \"vstr step\"\r\n"_s;
    QVERIFY(CheckReport::of(ScriptChecker::check(stepped, 85), 85)
                .contains(u"Keys it binds, and the names their presses show:\n"
                          "  k: ^1A, ^2B, and so on\n"_s));
    // The key that cycles the name first; keys of a config that do nothing of note, counted.
    QVERIFY(
        CheckReport::of(ScriptChecker::check(u"bind TAB +scores\r\nbind ESCAPE togglemenu\r\n"
                                             "bind SPACE +gostand\r\n"_s
                                + QString(stepped).replace(u"bind k"_s, u"bind F1"_s),
                            85),
            85)
            .contains(u"Keys it binds, and the names their presses show:\n"
                      "  F1: ^1A, ^2B, and so on\n"
                      "  3 other keys show no name, and the warnings say nothing of them.\n"_s));
}

QTEST_APPLESS_MAIN(tst_CheckReport)
#include "tst_checkreport.moc"
