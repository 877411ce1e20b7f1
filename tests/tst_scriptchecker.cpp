// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "checkrows.h"
#include "templateliteral.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Kind = ScriptFinding::Kind;

// Scripts as players write them, checked as a whole: run as the game runs them, every key they
// bind pressed, and what is heard of it.
class tst_ScriptChecker : public QObject {
    Q_OBJECT

private slots:
    void runs_data();
    void runs();
    void everyKeyOfABigConfigIsChecked();
};

void tst_ScriptChecker::runs_data()
{
    CheckRows::addColumns();
    using CheckRows::row;
    using End = ConsoleRun::End;
    const QString templ = QString::fromLatin1(templateLiteral);

    row("template", templ, {});
    row("template and a hand-off", templ + u" set name ^1A"_s, { "0 9 ^1A" });
    row("two hand-offs on one line", templ + u" set name ^1A set name ^2B"_s,
        { "0 9 ^1A set name ^2B" }, End::Finished, { finding(Kind::RunTogether, 9) });
    row("two hand-offs on their own lines", templ + u" set name ^1A\n set name ^2B"_s,
        { "0 9 ^1A", "0 10 ^2B" });
    row("quoted semicolon", u"set name \"^1A;B\"\nset name C;set name D"_s,
        { "0 1 ^1AB", "0 2 C", "0 2 D" }, End::Finished, { finding(Kind::RemovedCharacters, 1) });
    // The engine's tokenizer and commands, each with a script where the model used to differ.
    row("bytes from 0x80 separate words", u"set name B\u00e9\nset name ^1Tint^7mark \u20ac"_s,
        { "0 1 B", "0 2 ^1Tint^7mark" }, End::Finished, { finding(Kind::HighBytes, 1) });
    row("bytes from 0x80 kept in quotes", u"set name \"^1Tint^7mark \u20ac\""_s,
        { "0 1 ^1Tint^7mark \u20ac" });
    row("a comment ends its command only", u"// old; set name ^2Shown"_s, { "0 1 ^2Shown" },
        End::Finished, { finding(Kind::CommentThatRuns, 1) });
    // The game cuts the name once it has removed what it removes: 31 bytes are kept whole.
    row("31 bytes after the leading space", u"set name \" "_s + QString(31, u'x') + u'"',
        { u"0 1 "_s + QString(31, u'x') });
    row("31 bytes after the backslash", u"set name \"\\"_s + QString(31, u'x') + u'"',
        { u"0 1 "_s + QString(31, u'x') }, End::Finished, { finding(Kind::RemovedCharacters, 1) });
    row("a block comment inside a command", u"set /* the name */ name A"_s, { "0 1 A" });
    row("a comment inside a word", u"set name a//b\nset name http://x"_s,
        { "0 1 a", "0 2 http://x" });
    row("an escaped quote in quotes", u"set name \"^1a\\\"b\""_s, { "0 1 ^1ab" }, End::Finished,
        { finding(Kind::RemovedCharacters, 1) });
    row("COD 1.1: no escaped quote in quotes", u"set name \"^1a\\\"b\""_s, { "0 1 ^1a b " },
        End::Finished, { finding(Kind::RemovedCharacters, 1) }, {}, GameVersion::Cod11);
    row("wait with two words waits one tick", u"set name A\nwait 30 x\nset name B"_s,
        { "0 1 A", "1 3 B" }, End::Finished, { finding(Kind::WaitWithMoreWords, 2) });
    row("vstr with two words does nothing", u"set a \"set name A\"\nvstr a b\nset name B"_s,
        { "0 3 B" });
    row("a lone CR ends a line, for warnings too",
        u"set name A\rwait 5\rset name ^1abcdefghijklmnopqrstuvwxyz12345"_s,
        { "0 1 A", "5 3 ^1abcdefghijklmnopqrstuvwxyz123" }, End::Finished,
        { finding(Kind::NamesSkipped, 1), finding(Kind::LongName, 3) });
    row("toggle finds the value whatever its case", u"set name ^1A\ntoggle name ^1a ^2B"_s,
        { "0 1 ^1A", "0 2 ^2B" });
    row("toggle leaves a string without a list alone", u"set name 0\ntoggle name"_s, { "0 1 0" });
    // va() keeps 1,023 bytes of the value: "set name A;", spaces, "set name B".
    const auto longValue = [](int spaces) {
        return u"set a \"set name A;"_s + QString(spaces, u' ') + u"set name B\"\nvstr a"_s;
    };
    row("a vstr value of 1,023 bytes runs whole", longValue(1'002), { "0 1 A", "0 1 B" });
    row("a vstr value of 1,024 bytes loses its end", longValue(1'003), { "0 1 A" }, End::Finished,
        { finding(Kind::LongValue, 1) });
    // COD 1.1 and 1.3, as the open rebuild of COD 1.1 runs them.
    const auto cod = GameVersion::Cod11;
    row("COD: a variable's command takes one word", u"name ^1X Y"_s, { "0 1 ^1X" }, End::Finished,
        {}, {}, cod);
    row("COD: seta takes exactly a name and a value", u"seta name A B\nseta name C"_s, { "0 2 C" },
        End::Finished, { finding(Kind::SetsNothing, 1) }, {}, cod);
    row("COD: ^8 dropped from the shown name as ^0", u"set name ^8A^0B^1C"_s, { "0 1 AB^1C" },
        End::Finished, {}, {}, cod);
    row("COD 2: ^8 shown", u"set name ^8A^1C"_s, { "0 1 ^8A^1C" });
    row("COD: toggle without a list sets 0 or 1", u"set name 0\ntoggle name"_s,
        { "0 1 0", "0 2 1" }, End::Finished, {}, {}, cod);
    row("COD: toggle compares in case", u"set name ^1A\ntoggle name ^1a ^2B"_s,
        { "0 1 ^1A", "0 2 ^1a" }, End::Finished, {}, {}, cod);
    row("COD: toggle makes a variable it does not find", u"toggle v \"set name ^3V\"\nvstr v"_s,
        { "0 1 ^3V" }, End::Finished, {}, {}, cod);
    row("comments", u"// set name X\nset name A // set name B\nset name \"a//b\""_s,
        { "0 2 A", "0 3 a//b" });
    row("waits and their timing",
        u"set name ^1A\nwait 100\nset name ^2B\nwait\nset name ^3C\nwait 0\nset name ^4D"_s,
        { "0 1 ^1A", "100 3 ^2B", "101 5 ^3C", "101 7 ^4D" });
    row("any case, blanks and tabs", u"SET  Name\t^1A   b\nSeTa name \"x  y\""_s,
        { "0 1 ^1A b", "0 2 x  y" });
    row("variables in any case", u"set frame1 \"set name ^1A\"\nvstr Frame1\nVSTR FRAME1"_s,
        { "0 1 ^1A", "0 1 ^1A" });
    row("vstr chain",
        u"set a \"set name ^1A; wait 10; vstr b\"\nset b \"set name ^2B; wait 5; vstr c\"\n"
        "set c \"set name ^3C\"\nvstr a"_s,
        { "0 1 ^1A", "10 2 ^2B", "15 3 ^3C" }, End::Finished, { finding(Kind::NamesSkipped, 2) });
    row("toggle steps through its list",
        u"toggle name A B C\ntoggle name A B C\ntoggle name A B C\ntoggle name A B C"_s,
        { "0 1 A", "0 2 B", "0 3 C", "0 4 A" });
    row("endless vstr loop with waits",
        u"set a \"set name ^1A; wait 10; vstr b\"\nset b \"set name ^2B; wait 10; vstr a\"\n"
        "vstr a"_s,
        { "0 1 ^1A", "10 2 ^2B", "20 1 ^1A" }, End::Looping,
        { finding(Kind::EndlessLoop, 1), finding(Kind::ChatDropped, 1) });
    // Each round leaves a line break behind, until the buffer is full: then the rest runs.
    row("a loop without a wait fills the buffer", u"set a \"vstr a\"\nvstr a\nset name After"_s,
        { "0 3 After" }, End::Finished, { finding(Kind::BufferFilled, 1) });
    row("recursion without a wait fills the buffer, then the queued rest runs",
        u"set a \"vstr a; set n x\"\nvstr a\nset name End"_s, { "0 3 End" }, End::Finished,
        { finding(Kind::BufferFilled, 1) });
    row("negative wait stalls for good", u"set name A\nwait -5\nset name B"_s, { "0 1 A" },
        End::Stalled, { finding(Kind::NegativeWait, 2) });
    row("vstr of a variable never set", u"vstr anim\nset name A"_s, { "0 2 A" }, End::Finished,
        { finding(Kind::UnsetVariable, 1) });
    row("bound key pressed", u"bind k \"set name ^3K\"\nset name A"_s, { "0 2 A", "50 1 ^3K" },
        End::Finished, {}, { { 50, u"K"_s } });
    row("key bound to an endless loop",
        u"bind k \"vstr a\"\nset a \"set name ^1A; wait 10; vstr a\""_s, {}, End::Finished,
        { finding(Kind::EndlessLoop, 2) });
    row("a loop locks the keys",
        u"bind k \"set name K\"\nset a \"set name ^1A; wait 10; vstr a\"\nvstr a"_s,
        { "0 2 ^1A", "10 2 ^1A" }, End::Looping, { finding(Kind::EndlessLoop, 2) },
        { { 5, u"k"_s } });
    row("key-step cycle",
        u"set s1 \"set name ^1A; set step vstr s2\"\nset s2 \"set name ^2B; set step vstr s1\"\n"
        "set step \"vstr s1\"\nbind k \"vstr step\""_s,
        { "10 1 ^1A", "20 2 ^2B", "30 1 ^1A" }, End::Finished, {},
        { { 10, u"k"_s }, { 20, u"k"_s }, { 30, u"k"_s } });
}

void tst_ScriptChecker::runs() { CheckRows::check(); }

// 5,000 one-line binds in 55 KB fit the game's buffer: each key is pressed within the model's
// bounds, and each says what it does.
void tst_ScriptChecker::everyKeyOfABigConfigIsChecked()
{
    QString script;
    for (int i = 0; i < 5000; ++i)
        script += u"bind %1 a\n"_s.arg(i, 0, 36);
    QVERIFY(script.size() < 65'536);
    const ScriptCheck check = ScriptChecker::check(script, 85);
    QCOMPARE(check.keyNames.size(), 5000);
    // "a" is no command, whichever key sends it: said once, with its lines.
    QCOMPARE(findings(check.warnings), QStringList { finding(Kind::NotCommands, 1) });
    QVERIFY(std::ranges::none_of(check.warnings,
        [](const ScriptWarning &warning) { return warning.kind == Kind::ModelBound; }));
}

QTEST_APPLESS_MAIN(tst_ScriptChecker)
#include "tst_scriptchecker.moc"
