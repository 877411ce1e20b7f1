// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "console/consolerules.h"
#include "console/consolerun.h"
#include "findingrows.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Kind = ScriptFinding::Kind;
Q_DECLARE_METATYPE(QList<KeyPress>)
Q_DECLARE_METATYPE(ConsoleRun::End)
Q_DECLARE_METATYPE(GameVersion)
Q_DECLARE_METATYPE(ConsoleRules::ServerKind)

// The console model: its limits, worked out by hand, and exec.
class tst_ConsoleRun : public QObject {
    Q_OBJECT

private slots:
    void limits_data();
    void limits();
    void execRunsTheScriptWhereItStands();
    void aLoopWithoutAWaitEndsWhenTheBufferIsFull();
    void aPacedLoopEndsWhenTheBufferIsFull_data();
    void aPacedLoopEndsWhenTheBufferIsFull();
};

// Each limit of the game from both sides, with the sizes written out by hand.
void tst_ConsoleRun::limits_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("warned");
    QTest::addColumn<GameVersion>("game");
    const auto cod2 = GameVersion::Cod2;
    const auto cod11 = GameVersion::Cod11;
    const auto cod13 = GameVersion::Cod13;
    const auto uo = GameVersion::CodUo;

    // A script of exactly size bytes that ends by setting the name to Late.
    const auto scriptOf = [](qsizetype size) {
        const QString last = u"set name Late"_s;
        QString script;
        while (script.size() + 32 + last.size() <= size)
            script += u"// filler filler filler filler\r\n"_s; // 32 bytes
        return script + QString(size - script.size() - last.size() - 2, u'/') + u"\r\n"_s + last;
    };
    const int lines = int(scriptOf(65'535).count(u'\n')) + 1;
    QTest::newRow("script of 65,535 bytes runs")
        << scriptOf(65'535) << QStringList { u"0 %1 Late"_s.arg(lines) } << QStringList() << cod2;
    QTest::newRow("script of 65,536 bytes runs nothing")
        << scriptOf(65'536) << QStringList() << QStringList { finding(Kind::LongScript, 1) }
        << cod2;

    // "set name " and the name: 9 bytes and the rest.
    const QString name31 = QString(31, u'a');
    QTest::newRow("command of 4,095 bytes is whole")
        << u"set name "_s + QString(4'086, u'a') << QStringList { u"0 1 "_s + name31 }
        << QStringList { finding(Kind::LongName, 1) } << cod2;
    QTest::newRow("command of 4,096 bytes loses its last byte")
        << u"set name "_s + QString(4'086, u'a') + u'!' << QStringList { u"0 1 "_s + name31 }
        << QStringList { finding(Kind::LongName, 1), finding(Kind::LongCommand, 1) } << cod2;
    QTest::newRow("command of 4,106 bytes: its end runs as the next command")
        << u"set name "_s + QString(4'086, u'a') + u"!set name B"_s
        << QStringList { u"0 1 "_s + name31, u"0 1 B"_s }
        << QStringList { finding(Kind::LongName, 1), finding(Kind::LongCommand, 1) } << cod2;
    // "set name" is two words.
    const auto words
        = [](int count) { return QString(count - 2, u'x').replace(u"x"_s, u" x"_s); };
    QTest::newRow("511 words run")
        << u"set name"_s + words(511) << QStringList { u"0 1 x x x x x x x x x x x x x x x x"_s }
        << QStringList() << cod2;
    QTest::newRow("512 words do nothing")
        << u"set name"_s + words(512) << QStringList() << QStringList() << cod2;

    // COD 1.1's buffer is 16,384 bytes, 1.3's 65,536; a command of either takes 1,023.
    const int codLines = int(scriptOf(16'383).count(u'\n')) + 1;
    QTest::newRow("COD 1.1: script of 16,383 bytes runs")
        << scriptOf(16'383) << QStringList { u"0 %1 Late"_s.arg(codLines) } << QStringList()
        << cod11;
    QTest::newRow("COD 1.1: script of 16,384 bytes runs nothing")
        << scriptOf(16'384) << QStringList() << QStringList { finding(Kind::LongScript, 1) }
        << cod11;
    QTest::newRow("COD 1.3: script of 16,384 bytes runs")
        << scriptOf(16'384) << QStringList { u"0 %1 Late"_s.arg(codLines) } << QStringList()
        << cod13;
    QTest::newRow("COD 1.1: command of 1,023 bytes is whole")
        << u"set name "_s + QString(1'014, u'a') << QStringList { u"0 1 "_s + name31 }
        << QStringList() << cod11;
    QTest::newRow("COD 1.1: command of 1,024 bytes loses its last byte")
        << u"set name "_s + QString(1'014, u'a') + u'!' << QStringList { u"0 1 "_s + name31 }
        << QStringList { finding(Kind::LongCommand, 1) } << cod11;
    QTest::newRow("COD 1.3: command of 1,023 bytes is whole")
        << u"set name "_s + QString(1'014, u'a') << QStringList { u"0 1 "_s + name31 }
        << QStringList() << cod13;
    QTest::newRow("COD 1.3: command of 1,024 bytes loses its last byte")
        << u"set name "_s + QString(1'014, u'a') + u'!' << QStringList { u"0 1 "_s + name31 }
        << QStringList { finding(Kind::LongCommand, 1) } << cod13;
    // United Offensive takes commands of COD 2's 4,095 bytes.
    QTest::newRow("UO: command of 4,000 bytes is whole")
        << u"set name "_s + QString(3'991, u'a') << QStringList { u"0 1 "_s + name31 }
        << QStringList() << uo;
    QTest::newRow("UO: command of 4,096 bytes loses its last byte")
        << u"set name "_s + QString(4'086, u'a') + u'!' << QStringList { u"0 1 "_s + name31 }
        << QStringList { finding(Kind::LongCommand, 1) } << uo;
}

void tst_ConsoleRun::limits()
{
    QFETCH(QString, script);
    QFETCH(QStringList, names);
    QFETCH(QStringList, warned);
    QFETCH(GameVersion, game);

    const ConsoleRun run = runScript(script, {}, game);
    QCOMPARE(timeline(run), names);
    // The name's own length is the checker's to say.
    warned.removeAll(finding(Kind::LongName, 1));
    QCOMPARE(findings(run.findings), warned);
}

// Cmd_Exec_f inserts the script it reads where the exec stands: its names and waits come
// between the lines around it, counted on the exec's line.
void tst_ConsoleRun::execRunsTheScriptWhereItStands()
{
    const auto beside = [](const QString &file) -> std::optional<QString> {
        if (file == u"b.cfg")
            return u"set name B1\r\nwait 20\r\nset name B2\r\n"_s;
        return std::nullopt;
    };
    const ConsoleRun run = runScript(u"set name A1\r\nwait 10\r\nexec b.cfg\r\nset name A2\r\n"_s,
        {}, GameVersion::Cod2, ConsoleRules::ServerKind::Stock, beside);
    QCOMPARE(timeline(run), QStringList({ "0 1 A1", "10 3 B1", "30 3 B2", "30 4 A2" }));
    QCOMPARE(run.scriptsRead, QStringList { u"b.cfg"_s });
    QVERIFY(run.recorded.isEmpty());
}

// Each round of a loop without a wait leaves one line break behind (vstr inserts its value
// and two, the value's command takes one): some 65,000 rounds within one frame fill the buffer,
// the vstr fails, and the rest of the script runs.
void tst_ConsoleRun::aLoopWithoutAWaitEndsWhenTheBufferIsFull()
{
    const ConsoleRun run
        = runScript(u"set a \"set name ^1A; vstr a\"\r\nvstr a\r\nset name ^2B\r\n"_s);
    QCOMPARE(run.end, ConsoleRun::End::Finished);
    QCOMPARE(timeline(run).constLast(), u"0 3 ^2B"_s);
    QCOMPARE(findings(run.findings), QStringList { finding(Kind::BufferFilled, 1) });
    const int rounds = run.findings.first().details.first().toInt();
    QVERIFY2(rounds > 65'000 && rounds < 65'536, qPrintable(QString::number(rounds)));
}

// A wait does not keep the line break each vstr leaves behind from piling up: worked out by
// hand from Cbuf_InsertText and Cbuf_Execute. "wait 1; vstr a" goes in with two line breaks, 16
// bytes, into the empty buffer; its round takes 15 of them, so round k inserts at 16 + k bytes
// and the one past the buffer fails. Two steps leave two a round; b, a byte above a, fails first.
void tst_ConsoleRun::aPacedLoopEndsWhenTheBufferIsFull_data()
{
    QTest::addColumn<GameVersion>("game");
    QTest::addColumn<QString>("script");
    QTest::addColumn<qint64>("rounds");
    QTest::addColumn<qint64>("stopTick");
    const QString oneStep = u"set a \"wait 1; vstr a\"\r\nvstr a"_s;
    const QString twoSteps = u"set a \"set name A; wait 1; vstr b\"\r\n"
                             "set b \"set name B; wait 1; vstr a\"\r\nvstr a"_s;
    QTest::newRow("COD 1.1, one step: 16,384 - 16 + 1 rounds")
        << GameVersion::Cod11 << oneStep << qint64(16'369) << qint64(16'369);
    QTest::newRow("COD 2, one step: 65,536 - 16 + 1 rounds")
        << GameVersion::Cod2 << oneStep << qint64(65'521) << qint64(65'521);
    QTest::newRow("COD 1.1, two steps: b's vstr fails after 8,178 rounds")
        << GameVersion::Cod11 << twoSteps << qint64(8'178) << qint64(16'357);
}

void tst_ConsoleRun::aPacedLoopEndsWhenTheBufferIsFull()
{
    QFETCH(GameVersion, game);
    QFETCH(QString, script);
    QFETCH(qint64, rounds);
    QFETCH(qint64, stopTick);
    const ConsoleRun run = runScript(script, {}, game);
    QCOMPARE(run.end, ConsoleRun::End::Looping);
    QVERIFY(run.loop);
    QCOMPARE(run.loop->rounds, rounds);
    QCOMPARE(run.loop->stopTick, stopTick);
}

QTEST_APPLESS_MAIN(tst_ConsoleRun)
#include "tst_consolerun.moc"
