// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "consolerules.h"
#include "consolerun.h"
#include "scriptchecker.h"
#include "scripttemplate.h"
#include "shownname.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

using Kind = ScriptWarning::Kind;
Q_DECLARE_METATYPE(QList<KeyPress>)
Q_DECLARE_METATYPE(ConsoleRun::End)

namespace {

// "tick line name" for each name change, the name as the game shows it.
QStringList timeline(const ConsoleRun &run)
{
    QStringList changes;
    for (const NameChange &change : run.nameChanges)
        changes << u"%1 %2 %3"_qs.arg(change.tick).arg(change.line).arg(change.shown);
    return changes;
}

// "kind@line" for each warning.
QStringList warnings(const ScriptCheck &check)
{
    QStringList found;
    for (const ScriptWarning &warning : check.warnings)
        found << u"%1@%2"_qs.arg(int(warning.kind)).arg(warning.line);
    return found;
}

QString warning(Kind kind, int line) { return u"%1@%2"_qs.arg(int(kind)).arg(line); }

// Scripts are checked as saved: CR LF line ends.
QString saved(QString text)
{
    return text.replace(u"\r\n"_qs, u"\n"_qs).replace(u"\n"_qs, u"\r\n"_qs);
}

} // namespace

// The console model on scripts as players write them.
class tst_ConsoleRun : public QObject {
    Q_OBJECT

private slots:
    void runs_data();
    void runs();
    void secondsAtFrameRates();
    void shownName_data();
    void shownName();
    void runTogetherCanBeSplitAtItsColumn();
    void limitsOfTheGame();
    void reportNamesTimesAndWarnings();
    void hostileScriptsStayWithinBounds();
};

void tst_ConsoleRun::runs_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QList<KeyPress>>("presses");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<ConsoleRun::End>("end");
    QTest::addColumn<QStringList>("warned");

    using End = ConsoleRun::End;
    const QString templ = scriptTemplate();
    const auto row = [](const char *name, const QString &script, const QStringList &names,
                         End end = End::Finished, const QStringList &warned = {},
                         const QList<KeyPress> &presses = {}) {
        QTest::newRow(name) << saved(script) << presses << names << end << warned;
    };

    row("template", templ, {});
    row("template and a hand-off", templ + u" set name ^1A"_qs, { "0 9 ^1A" });
    row("two hand-offs on one line", templ + u" set name ^1A set name ^2B"_qs,
        { "0 9 ^1A set name ^2B" }, End::Finished, { warning(Kind::RunTogether, 9) });
    row("two hand-offs on their own lines", templ + u" set name ^1A\n set name ^2B"_qs,
        { "0 9 ^1A", "0 10 ^2B" });
    row("quoted semicolon", u"set name \"^1A;B\"\nset name C;set name D"_qs,
        { "0 1 ^1A;B", "0 2 C", "0 2 D" });
    row("comments", u"// set name X\nset name A // set name B\nset name \"a//b\""_qs,
        { "0 2 A", "0 3 a//b" });
    row("waits and their timing",
        u"set name ^1A\nwait 100\nset name ^2B\nwait\nset name ^3C\nwait 0\nset name ^4D"_qs,
        { "0 1 ^1A", "100 3 ^2B", "101 5 ^3C", "101 7 ^4D" });
    row("any case, blanks and tabs", u"SET  Name\t^1A   b\nSeTa name \"x  y\""_qs,
        { "0 1 ^1A b", "0 2 x  y" });
    row("a known variable alone sets it", u"name ^5Bob\nfoo bar"_qs, { "0 1 ^5Bob" });
    row("vstr chain",
        u"set a \"set name ^1A; wait 10; vstr b\"\nset b \"set name ^2B; wait 5; vstr c\"\n"
        "set c \"set name ^3C\"\nvstr a"_qs,
        { "0 1 ^1A", "10 2 ^2B", "15 3 ^3C" });
    row("toggle steps through its list",
        u"toggle name A B C\ntoggle name A B C\ntoggle name A B C\ntoggle name A B C"_qs,
        { "0 1 A", "0 2 B", "0 3 C", "0 4 A" });
    row("endless vstr loop with waits",
        u"set a \"set name ^1A; wait 10; vstr b\"\nset b \"set name ^2B; wait 10; vstr a\"\n"
        "vstr a"_qs,
        { "0 1 ^1A", "10 2 ^2B", "20 1 ^1A" }, End::Looping, { warning(Kind::EndlessLoop, 1) });
    row("endless loop without a wait", u"set a \"vstr a\"\nvstr a"_qs, {}, End::Looping,
        { warning(Kind::EndlessLoop, 1) });
    row("negative wait stalls for good", u"set name A\nwait -5\nset name B"_qs, { "0 1 A" },
        End::Stalled, { warning(Kind::NegativeWait, 2) });
    row("vstr of a variable never set", u"vstr anim\nset name A"_qs, { "0 2 A" }, End::Finished,
        { warning(Kind::UnsetVariable, 1) });
    row("name over 31 bytes", u"set name ^1abcdefghijklmnopqrstuvwxyz12345"_qs,
        { "0 1 ^1abcdefghijklmnopqrstuvwxyz123" }, End::Finished, { warning(Kind::LongName, 1) });
    row("characters the game removes", u"set name a\\b"_qs, { "0 1 ab" }, End::Finished,
        { warning(Kind::RemovedCharacters, 1) });
    row("bound key pressed", u"bind k \"set name ^3K\"\nset name A"_qs, { "0 2 A", "50 1 ^3K" },
        End::Finished, {}, { { 50, u"K"_qs } });
    row("key bound to an endless loop",
        u"bind k \"vstr a\"\nset a \"set name ^1A; wait 10; vstr a\""_qs, {}, End::Finished,
        { warning(Kind::EndlessLoop, 2) });
    row("a loop locks the keys",
        u"bind k \"set name K\"\nset a \"set name ^1A; wait 10; vstr a\"\nvstr a"_qs,
        { "0 2 ^1A", "10 2 ^1A" }, End::Looping, { warning(Kind::EndlessLoop, 2) },
        { { 5, u"k"_qs } });
    row("key-step cycle",
        u"set s1 \"set name ^1A; set step vstr s2\"\nset s2 \"set name ^2B; set step vstr s1\"\n"
        "set step \"vstr s1\"\nbind k \"vstr step\""_qs,
        { "10 1 ^1A", "20 2 ^2B", "30 1 ^1A" }, End::Finished, {},
        { { 10, u"k"_qs }, { 20, u"k"_qs }, { 30, u"k"_qs } });
}

void tst_ConsoleRun::runs()
{
    QFETCH(QString, script);
    QFETCH(QList<KeyPress>, presses);
    QFETCH(QStringList, names);
    QFETCH(ConsoleRun::End, end);
    QFETCH(QStringList, warned);

    const ConsoleRun run = runScript(script, presses);
    QCOMPARE(timeline(run), names);
    QCOMPARE(run.end, end);
    if (end == ConsoleRun::End::Looping)
        QVERIFY2(run.commandsRun < 50, "a loop is recognised on its first repeat");
    QCOMPARE(warnings(ScriptChecker::check(script, 85)), warned);
}

void tst_ConsoleRun::secondsAtFrameRates()
{
    // Two ticks a frame: wait 100 lasts about 0.59 s at the default 85 frames per second.
    QCOMPARE(ConsoleRules::defaultFramesPerSecond, 85);
    QCOMPARE(qRound(secondsOfTicks(100, 85) * 1000), 588);
    QCOMPARE(secondsOfTicks(250, 125), 1.0);
    QCOMPARE(ScriptChecker::time(100, 85), u"0.59 s (100 ticks)"_qs);
}

void tst_ConsoleRun::shownName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");

    QTest::newRow("plain") << u"^1Bob"_qs << u"^1Bob"_qs;
    QTest::newRow("leading spaces dropped") << u"   ^1Bob "_qs << u"^1Bob "_qs;
    QTest::newRow("quotes and backslashes removed") << u"a\"b\\c"_qs << u"abc"_qs;
    QTest::newRow("exactly 31 bytes") << QString(31, u'x') << QString(31, u'x');
    QTest::newRow("32 bytes cut to 31") << QString(32, u'x') << QString(31, u'x');
    QTest::newRow("a code counts two")
        << u"^1"_qs + QString(30, u'x') << u"^1"_qs + QString(29, u'x');
    QTest::newRow("empty") << QString() << u"UnnamedPlayer"_qs;
    QTest::newRow("codes only") << u"^1^2^0"_qs << u"UnnamedPlayer"_qs;
    QTest::newRow("spaces only") << u"   "_qs << u"UnnamedPlayer"_qs;
    QTest::newRow("a caret alone shows") << u"^"_qs << u"^"_qs;
}

void tst_ConsoleRun::shownName()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QCOMPARE(::shownName(name), shown);
}

void tst_ConsoleRun::runTogetherCanBeSplitAtItsColumn()
{
    const ScriptCheck check
        = ScriptChecker::check(u"// x\r\n set name ^1A set name ^2B\r\n"_qs, 85);
    QCOMPARE(check.warnings.size(), 1);
    QCOMPARE(check.warnings.first().splitColumn, std::optional(14));
    QVERIFY(check.warnings.first().text.contains(u"\"set name ^2B\""_qs));
}

void tst_ConsoleRun::limitsOfTheGame()
{
    // 65,536 bytes at most: a name set past them never happens.
    QString script;
    while (script.size() < ConsoleRules::bufferBytes - 30)
        script += u"// filler filler filler filler\r\n"_qs;
    const int lastLine = int(script.count(u'\n')) + 1;
    script += u"set name ^1Late\r\n"_qs;
    QVERIFY(script.size() > ConsoleRules::bufferBytes);
    const ScriptCheck check = ScriptChecker::check(script, 85);
    QCOMPARE(timeline(check.run), QStringList());
    QCOMPARE(warnings(check), QStringList { warning(Kind::LongScript, lastLine) });

    // A command of 4,095 bytes is whole; one more and the rest is cut.
    const QString prefix = u"set name "_qs;
    const QString fits = prefix + QString(ConsoleRules::commandBytes - prefix.size(), u'a');
    QCOMPARE(warnings(ScriptChecker::check(fits, 85)), QStringList { warning(Kind::LongName, 1) });
    const ConsoleRun cut = runScript(fits + u"bc"_qs);
    QCOMPARE(cut.nameChanges.first().name.size(), ConsoleRules::commandBytes - prefix.size());
    QCOMPARE(cut.cutCommandLines, QList<int> { 1 });
}

void tst_ConsoleRun::reportNamesTimesAndWarnings()
{
    const ScriptCheck check
        = ScriptChecker::check(u"set name ^1A\r\nwait 170\r\nset name ^2B set name C\r\n"_qs, 85);
    QCOMPARE(ScriptChecker::report(check, 85),
        u"Names at 85 frames per second:\n"
        "  0.00 s (0 ticks), line 1: ^1A\n"
        "  1.00 s (170 ticks), line 3: ^2B set name C\n"
        "Warnings:\n"
        "  line 3: Two commands run together on one line: the game sets the whole \"^2B set "
        "name C\" as one value. Put \"set name C\" on a line of its own.\n"_qs);
    QVERIFY(ScriptChecker::report(ScriptChecker::check(u"set name A"_qs, 85), 85)
                .endsWith(u"Warnings:\n  No warnings: the script runs as written.\n"_qs));
}

// Random and hostile scripts up to the limits: the model never crashes and never runs past its
// bounds, and it answers quickly.
void tst_ConsoleRun::hostileScriptsStayWithinBounds()
{
    const QStringList pieces = { "set", "seta", "name", "a", "b", "step", "vstr", "wait", "-3", "7",
        "100000000000", "toggle", "bind", "k", "echo", "\"", ";", "//", "\r\n", "\n", " ", "\t",
        "^1", "x", "\"vstr a\"", "\"set name ^2B; wait 2; vstr b\"", "\\", "\u20ac" };
    QRandomGenerator random(20261207);
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < 300; ++round) {
        const qsizetype size
            = round % 50 == 0 ? ConsoleRules::bufferBytes + 100 : random.bounded(2, 400);
        QString script;
        while (script.size() < size)
            script += pieces[random.bounded(pieces.size())] + u' ';
        QList<KeyPress> presses;
        for (int i = 0; i < 3; ++i)
            presses << KeyPress { random.bounded(100), u"k"_qs };
        std::ranges::sort(presses, {}, &KeyPress::tick);

        const ConsoleRun run = runScript(script, presses);
        QVERIFY(run.commandsRun <= ConsoleRules::maximumCommands);
        QVERIFY(run.end == ConsoleRun::End::TickBound || run.endTick <= ConsoleRules::maximumTicks);
        ScriptChecker::check(script, 85);
    }
    QVERIFY2(timer.elapsed() < 20000, "the model answers in moments");
}

QTEST_APPLESS_MAIN(tst_ConsoleRun)
#include "tst_consolerun.moc"
