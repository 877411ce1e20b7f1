// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "findingrows.h"
#include "checker/scriptchecker.h"
#include "console/serverview.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Kind = ScriptFinding::Kind;

// The server a row plays on, and the game.
struct Server {
    ConsoleRules::ServerKind kind;
    int snapshotsPerSecond = ConsoleRules::defaultSnapshotsPerSecond;
    GameVersion game = GameVersion::Cod2;
};
Q_DECLARE_METATYPE(QList<KeyPress>)
Q_DECLARE_METATYPE(ConsoleRun::End)
Q_DECLARE_METATYPE(GameVersion)
Q_DECLARE_METATYPE(ConsoleRules::ServerKind)

// What the others on a server see of the names, and what the server's rules cost the player.
class tst_ServerView : public QObject {
    Q_OBJECT

private slots:
    void whatOthersOnTheServerSee_data();
    void whatOthersOnTheServerSee();
    void competitiveServerForcesTheFrameRate_data();
    void competitiveServerForcesTheFrameRate();
    void chatSafePace_data();
    void chatSafePace();
    void snapshotsAsSnapsAllow_data();
    void snapshotsAsSnapsAllow();
    void disconnectFigures_data();
    void disconnectFigures();
};

// Worked out by hand: at com_maxfps 85 a frame lasts 11 ms and two ticks, at 100 10 ms, at 66
// 15 ms, at 62 16 ms; sv_fps 20 takes a snapshot every 50 ms.
void tst_ServerView::whatOthersOnTheServerSee_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("maxFps");
    QTest::addColumn<Server>("server");
    QTest::addColumn<QStringList>("seen"); // "from milliseconds: line"
    QTest::addColumn<QStringList>("warned");
    QTest::addColumn<QStringList>("noted");
    using enum ConsoleRules::ServerKind;
    const auto everyTicks = [](int ticks) {
        return u"set name ^1A\nwait %1\nset name ^2B\nwait %1\nset name ^3C"_s.arg(ticks);
    };
    const auto loopEveryTicks = [](int ticks) {
        return u"set a1 \"set name ^1A; wait %1; vstr a2\"\n"
               "set a2 \"set name ^2B; wait %1; vstr a1\"\nvstr a1"_s.arg(ticks);
    };
    // count names, ticks apart, each on a line of its own with its wait, and when others see
    // each: at its own time, every milliseconds apart, a multiple of the 50 ms snapshots.
    const auto namesEvery = [](int count, int ticks) {
        QStringList lines;
        for (int i = 0; i < count; ++i)
            lines << u"set name ^%1N%2"_s.arg(i % 9 + 1).arg(i) << u"wait %1"_s.arg(ticks);
        lines.removeLast();
        return lines.join(u'\n');
    };
    const auto seenEvery = [](int count, int milliseconds) {
        QStringList seen;
        for (int i = 0; i < count; ++i)
            seen << u"%1: %2"_s.arg(i * milliseconds).arg(2 * i + 1);
        return seen;
    };
    const QString keyStep = u"set a1 \"set name ^1A; set nx vstr a2\"\n"
                            "set a2 \"set name ^2B; set nx vstr a1\"\nset nx vstr a1\n"
                            "bind F1 vstr nx"_s;
    const QStringList onceNoted { finding(Kind::RoundBasedModes, 1),
        finding(Kind::LastNameKept, 5) };

    // Names of 11 ms: the last stays; chat is dropped for 22 + 800 ms, the keys held for 22.
    QTest::newRow("every 2 ticks: two of three skipped")
        << everyTicks(2) << 85 << Server { Stock } << QStringList { u"50: 5"_s }
        << QStringList { finding(Kind::NamesSkipped, 1) }
        << QStringList { finding(Kind::KeysHeldBack, 1), finding(Kind::ChatDropped, 1) }
            + onceNoted;
    QTest::newRow("every 10 ticks: each lasts 55 ms, all seen")
        << everyTicks(10) << 85 << Server { Stock }
        << QStringList { u"0: 1"_s, u"100: 3"_s, u"150: 5"_s } << QStringList()
        << QStringList { finding(Kind::KeysHeldBack, 1), finding(Kind::ChatDropped, 1) }
            + onceNoted;
    QTest::newRow("names of 50 ms, one snapshot, are seen")
        << everyTicks(10) << 100 << Server { Stock }
        << QStringList { u"0: 1"_s, u"50: 3"_s, u"100: 5"_s } << QStringList()
        << QStringList { finding(Kind::KeysHeldBack, 1), finding(Kind::ChatDropped, 1) }
            + onceNoted;
    QTest::newRow("names of 40 ms are skipped")
        << everyTicks(8) << 100 << Server { Stock } << QStringList { u"100: 5"_s }
        << QStringList { finding(Kind::NamesSkipped, 1) }
        << QStringList { finding(Kind::KeysHeldBack, 1), finding(Kind::ChatDropped, 1) }
            + onceNoted;
    QTest::newRow("sv_fps 40: names of 40 ms still skipped at the others' snaps 20")
        << everyTicks(8) << 100 << Server { Stock, 40 } << QStringList { u"100: 5"_s }
        << QStringList { finding(Kind::NamesSkipped, 1) }
        << QStringList { finding(Kind::KeysHeldBack, 1), finding(Kind::ChatDropped, 1) }
            + onceNoted;
    // 2.2 s of keys held back is a warning; names 1.1 s apart leave chat alone.
    QTest::newRow("every 200 ticks") << everyTicks(200) << 85 << Server { Stock }
                                     << QStringList { u"0: 1"_s, u"1100: 3"_s, u"2200: 5"_s }
                                     << QStringList { finding(Kind::KeysHeldBack, 1) } << onceNoted;
    // 81 frames, 891 ms: a note; 364 frames, 4,004 ms: a warning.
    QTest::newRow("keys held back for 0.9 s")
        << u"set name ^1A\nwait 162\nset name ^2B"_s << 85 << Server { Stock }
        << QStringList { u"0: 1"_s, u"900: 3"_s } << QStringList()
        << QStringList { finding(Kind::KeysHeldBack, 1), finding(Kind::RoundBasedModes, 1),
               finding(Kind::LastNameKept, 3) };
    QTest::newRow("keys held back for 4 s")
        << u"set name ^1A\nwait 728\nset name ^2B"_s << 85 << Server { Stock }
        << QStringList { u"0: 1"_s, u"4050: 3"_s }
        << QStringList { finding(Kind::KeysHeldBack, 1) }
        << QStringList { finding(Kind::RoundBasedModes, 1), finding(Kind::LastNameKept, 3) };
    // 80 frames of 10 ms are the flood protection's 800 ms: chat goes through.
    QTest::newRow("names 800 ms apart keep chat")
        << everyTicks(160) << 100 << Server { Stock }
        << QStringList { u"0: 1"_s, u"800: 3"_s, u"1600: 5"_s }
        << QStringList { finding(Kind::KeysHeldBack, 1) } << onceNoted;
    QTest::newRow("names 790 ms apart drop chat for 2.38 s, a note")
        << everyTicks(158) << 100 << Server { Stock }
        << QStringList { u"0: 1"_s, u"800: 3"_s, u"1600: 5"_s }
        << QStringList { finding(Kind::KeysHeldBack, 1) }
        << QStringList { finding(Kind::ChatDropped, 1) } + onceNoted;
    QTest::newRow("a loop of names 790 ms apart drops chat for ever, a warning")
        << loopEveryTicks(158) << 100 << Server { Stock }
        << QStringList { u"0: 1"_s, u"800: 2"_s, u"1600: 1"_s }
        << QStringList { finding(Kind::EndlessLoop, 1), finding(Kind::ChatDropped, 1) }
        << QStringList { finding(Kind::RoundBasedModes, 1), finding(Kind::LastNameKept, 1) };
    // A name a frame: 2 names in 30 ms are 66.7 a second, over COD 2's 64; in 32 ms, 62.5.
    const QStringList everyFrame { finding(Kind::EndlessLoop, 1), finding(Kind::NamesSkipped, 1),
        finding(Kind::ChatDropped, 1) };
    QTest::newRow("a name a frame at 66 fps risks a disconnect")
        << loopEveryTicks(2) << 66 << Server { Stock } << QStringList()
        << everyFrame + QStringList { finding(Kind::DisconnectRisk, 1) }
        << QStringList { finding(Kind::RoundBasedModes, 1), finding(Kind::LastNameKept, 1) };
    QTest::newRow("a name a frame at 62 fps does not")
        << loopEveryTicks(2) << 62 << Server { Stock } << QStringList() << everyFrame
        << QStringList { finding(Kind::RoundBasedModes, 1), finding(Kind::LastNameKept, 1) };
    // COD keeps 65 unacknowledged commands, COD 2 129: 32 ms frames send 31.25 names a second,
    // 31 ms frames 32.3.
    QTest::newRow("COD: a name a frame at 32 fps risks a disconnect")
        << loopEveryTicks(2) << 32 << Server { Stock, 20, GameVersion::Cod13 } << QStringList()
        << everyFrame + QStringList { finding(Kind::DisconnectRisk, 1) }
        << QStringList { finding(Kind::RoundBasedModes, 1), finding(Kind::LastNameKept, 1) };
    QTest::newRow("COD: a name a frame at 31 fps does not")
        << loopEveryTicks(2) << 31 << Server { Stock, 20, GameVersion::Cod13 } << QStringList()
        << everyFrame
        << QStringList { finding(Kind::RoundBasedModes, 1), finding(Kind::LastNameKept, 1) };
    // Chat stays dropped until 0.8 s after the last name: nine gaps of 550 ms and the 800 ms
    // after are 5.75 s, over 5 s, a warning; seven are 4.65 s, a note.
    QTest::newRow("chat dropped for 5.75 s, a warning")
        << namesEvery(10, 100) << 85 << Server { Stock } << seenEvery(10, 550)
        << QStringList { finding(Kind::KeysHeldBack, 1), finding(Kind::ChatDropped, 1) }
        << QStringList { finding(Kind::RoundBasedModes, 1), finding(Kind::LastNameKept, 19) };
    QTest::newRow("chat dropped for 4.65 s, a note")
        << namesEvery(8, 100) << 85 << Server { Stock } << seenEvery(8, 550)
        << QStringList { finding(Kind::KeysHeldBack, 1) }
        << QStringList { finding(Kind::ChatDropped, 1), finding(Kind::RoundBasedModes, 1),
               finding(Kind::LastNameKept, 15) };
    // A name shorter than a snapshot is taken as skipped: B lasts 60 ms, from 100 to 160, less
    // than sv_fps 10's 100 ms and more than sv_fps 20's 50 ms.
    const QString sixtyMilliseconds
        = u"set name ^1A\nwait 20\nset name ^2B\nwait 12\nset name ^3C"_s;
    QTest::newRow("sv_fps 10: a name of 60 ms skipped")
        << sixtyMilliseconds << 100 << Server { Stock, 10 }
        << QStringList { u"0: 1"_s, u"200: 5"_s }
        << QStringList { finding(Kind::NamesSkipped, 3) }
        << QStringList { finding(Kind::KeysHeldBack, 1), finding(Kind::ChatDropped, 1) }
            + onceNoted;
    QTest::newRow("sv_fps 20: the same name seen")
        << sixtyMilliseconds << 100 << Server { Stock, 20 }
        << QStringList { u"0: 1"_s, u"100: 3"_s, u"200: 5"_s } << QStringList()
        << QStringList { finding(Kind::KeysHeldBack, 1), finding(Kind::ChatDropped, 1) }
            + onceNoted;
    QTest::newRow("a key that steps holds nothing back")
        << keyStep << 85 << Server { Stock } << QStringList() << QStringList()
        << QStringList { finding(Kind::RoundBasedModes, 4), finding(Kind::LastNameKept, 4) };
    // Where wait does nothing, every name comes at once.
    QTest::newRow("competitive: a loop paced by wait freezes")
        << loopEveryTicks(50) << 85 << Server { Competitive } << QStringList { u"0: 1"_s }
        << QStringList { finding(Kind::WaitLoopFreezes, 1) } << QStringList();
    QTest::newRow("competitive: a timed animation shows its last name")
        << everyTicks(50) << 85 << Server { Competitive } << QStringList { u"0: 5"_s }
        << QStringList { finding(Kind::WaitIgnored, 2) } << QStringList();
    QTest::newRow("competitive: a key that steps still works")
        << keyStep << 85 << Server { Competitive } << QStringList() << QStringList()
        << QStringList { finding(Kind::RoundBasedModes, 4), finding(Kind::LastNameKept, 4) };
}

void tst_ServerView::whatOthersOnTheServerSee()
{
    QFETCH(QString, script);
    QFETCH(int, maxFps);
    QFETCH(Server, server);
    QFETCH(QStringList, seen);
    QFETCH(QStringList, warned);
    QFETCH(QStringList, noted);

    const ScriptCheck check = ScriptChecker::check(
        script, maxFps, server.game, { server.kind, server.snapshotsPerSecond });
    QStringList seenFrom;
    for (const SentName &name : check.server.sent) {
        if (name.seenFrom)
            seenFrom << u"%1: %2"_s.arg(*name.seenFrom).arg(name.line);
    }
    QCOMPARE(seenFrom.join(u", "), seen.join(u", "));
    QCOMPARE(findings(check.warnings), warned);
    QCOMPARE(findings(check.notes), noted);
}

void tst_ServerView::competitiveServerForcesTheFrameRate_data()
{
    QTest::addColumn<int>("maxFps");
    QTest::addColumn<int>("forced");
    QTest::newRow("0, no cap") << 0 << 250;
    QTest::newRow("124") << 124 << 250;
    QTest::newRow("125") << 125 << 125;
    QTest::newRow("250") << 250 << 250;
    QTest::newRow("251") << 251 << 250;
}

void tst_ServerView::competitiveServerForcesTheFrameRate()
{
    QFETCH(int, maxFps);
    QFETCH(int, forced);
    using enum ConsoleRules::ServerKind;
    QCOMPARE(ConsoleRules::maxFpsOn(Competitive, maxFps), forced);
    QCOMPARE(ConsoleRules::maxFpsOn(Stock, maxFps), maxFps);
    // The script's own later com_maxfps outside the range is refused: the last one holds.
    const ConsoleRun run = runScript(
        u"com_maxfps 200\ncom_maxfps %1"_s.arg(maxFps), {}, GameVersion::Cod2, Competitive);
    QCOMPARE(run.frameRates.constLast().maxFps, forced == maxFps ? maxFps : 200);
}

// Snapshots come at server frames, no sooner than the watching client's snaps ask: 20 by
// default, 40 on a competitive server, of which the server takes 30.
void tst_ServerView::snapshotsAsSnapsAllow_data()
{
    QTest::addColumn<int>("snapshotsPerSecond");
    QTest::addColumn<ConsoleRules::ServerKind>("server");
    QTest::addColumn<int>("milliseconds");
    using enum ConsoleRules::ServerKind;
    QTest::newRow("sv_fps 20") << 20 << Stock << 50;
    QTest::newRow("sv_fps 40, snaps 20") << 40 << Stock << 50;
    QTest::newRow("sv_fps 30, snaps 20: every second frame of 33 ms") << 30 << Stock << 66;
    QTest::newRow("sv_fps 1000, snaps 20") << 1000 << Stock << 50;
    QTest::newRow("competitive, sv_fps 20") << 20 << Competitive << 50;
    QTest::newRow("competitive, sv_fps 1000: snaps 30") << 1000 << Competitive << 33;
}

void tst_ServerView::snapshotsAsSnapsAllow()
{
    QFETCH(int, snapshotsPerSecond);
    QFETCH(ConsoleRules::ServerKind, server);
    QFETCH(int, milliseconds);
    const ConsoleRun run = runScript(u"set name A"_s, {}, GameVersion::Cod2, server);
    QCOMPARE(ServerView::of(run, 125, snapshotsPerSecond).snapshotMilliseconds, milliseconds);
}

// The client disconnects on the command past the ones it keeps: the 130th in COD 2, the 66th in
// COD.
void tst_ServerView::disconnectFigures_data()
{
    QTest::addColumn<GameVersion>("game");
    QTest::addColumn<QString>("kept");
    QTest::newRow("COD 2") << GameVersion::Cod2 << u"keeps 129 at most"_s;
    QTest::newRow("COD 1.3") << GameVersion::Cod13 << u"keeps 65 at most"_s;
}

void tst_ServerView::disconnectFigures()
{
    QFETCH(GameVersion, game);
    QFETCH(QString, kept);
    const ScriptCheck check
        = ScriptChecker::check(u"set a \"set name ^1A; wait 2; set name ^2B; wait 2; vstr a\"\n"
                               "vstr a"_s,
            1000, game);
    const auto risk = std::ranges::find(check.warnings, Kind::DisconnectRisk, &ScriptWarning::kind);
    QVERIFY(risk != check.warnings.end());
    QVERIFY2(risk->text.contains(kept), qPrintable(risk->text));
}

// Whole frames of 800 ms or more, worked out by hand: 73 frames of 11 ms last 803 ms, 72 only
// 792.
void tst_ServerView::chatSafePace_data()
{
    QTest::addColumn<int>("maxFps");
    QTest::addColumn<int>("ticks");
    QTest::newRow("85: 73 frames of 11 ms") << 85 << 146;
    QTest::newRow("125: 100 frames of 8 ms") << 125 << 200;
    QTest::newRow("333: 267 frames of 3 ms") << 333 << 534;
}

void tst_ServerView::chatSafePace()
{
    QFETCH(int, maxFps);
    QFETCH(int, ticks);
    QCOMPARE(ConsoleRules::chatSafeDelayTicks(maxFps), ticks);
    // Names that far apart keep chat working; two ticks fewer drop it.
    const auto chatDropped = [maxFps](int wait) {
        const ScriptCheck check = ScriptChecker::check(
            u"set name ^1A\r\nwait %1\r\nset name ^2B\r\n"_s.arg(wait), maxFps);
        return findings(check.notes).contains(finding(Kind::ChatDropped, 1));
    };
    QVERIFY(!chatDropped(ticks));
    QVERIFY(chatDropped(ticks - ConsoleRules::ticksPerFrame));
}

QTEST_APPLESS_MAIN(tst_ServerView)
#include "tst_serverview.moc"
