// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "consolerules.h"
#include "consolerun.h"
#include "scriptchecker.h"
#include "setnameline.h"
#include "shownname.h"
#include "templateliteral.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

using Kind = ScriptWarning::Kind;
Q_DECLARE_METATYPE(QList<KeyPress>)
Q_DECLARE_METATYPE(ConsoleRun::End)
Q_DECLARE_METATYPE(GameVersion)
Q_DECLARE_METATYPE(ConsoleRules::ServerKind)

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

QStringList notes(const ScriptCheck &check)
{
    QStringList found;
    for (const ScriptWarning &note : check.notes)
        found << warning(note.kind, note.line);
    return found;
}

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
    void misspellingsNameTheWordMeant_data();
    void misspellingsNameTheWordMeant();
    void secondsAtFrameRates_data();
    void secondsAtFrameRates();
    void timesFollowTheScriptsFrameRate_data();
    void timesFollowTheScriptsFrameRate();
    void shownName_data();
    void shownName();
    void runTogetherCanBeSplitAtItsColumn();
    void nameSetByLine_data();
    void nameSetByLine();
    void limits_data();
    void limits();
    void reportNamesTimesAndWarnings();
    void whatOthersOnTheServerSee_data();
    void whatOthersOnTheServerSee();
    void competitiveServerForcesTheFrameRate_data();
    void competitiveServerForcesTheFrameRate();
    void everyKeyOfABigConfigIsChecked();
    void hostileScriptsStayWithinBounds();
};

void tst_ConsoleRun::runs_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QList<KeyPress>>("presses");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<ConsoleRun::End>("end");
    QTest::addColumn<QStringList>("warned");
    QTest::addColumn<GameVersion>("game");

    using End = ConsoleRun::End;
    const QString templ = QString::fromLatin1(templateLiteral);
    const auto row
        = [](const char *name, const QString &script, const QStringList &names,
              End end = End::Finished, const QStringList &warned = {},
              const QList<KeyPress> &presses = {}, GameVersion game = GameVersion::Cod2) {
              QTest::newRow(name) << saved(script) << presses << names << end << warned << game;
          };

    row("template", templ, {});
    row("template and a hand-off", templ + u" set name ^1A"_qs, { "0 9 ^1A" });
    row("two hand-offs on one line", templ + u" set name ^1A set name ^2B"_qs,
        { "0 9 ^1A set name ^2B" }, End::Finished, { warning(Kind::RunTogether, 9) });
    row("two hand-offs on their own lines", templ + u" set name ^1A\n set name ^2B"_qs,
        { "0 9 ^1A", "0 10 ^2B" });
    row("quoted semicolon", u"set name \"^1A;B\"\nset name C;set name D"_qs,
        { "0 1 ^1AB", "0 2 C", "0 2 D" }, End::Finished, { warning(Kind::RemovedCharacters, 1) });
    // The engine's tokenizer and commands, each with a script where the model used to differ.
    row("bytes from 0x80 separate words", u"set name B\u00e9\nset name ^1Tint^7mark \u20ac"_qs,
        { "0 1 B", "0 2 ^1Tint^7mark" }, End::Finished, { warning(Kind::HighBytes, 1) });
    row("bytes from 0x80 kept in quotes", u"set name \"^1Tint^7mark \u20ac\""_qs,
        { "0 1 ^1Tint^7mark \u20ac" });
    row("a comment ends its command only", u"// old; set name ^2Shown"_qs, { "0 1 ^2Shown" },
        End::Finished, { warning(Kind::CommentThatRuns, 1) });
    row("a block comment inside a command", u"set /* the name */ name A"_qs, { "0 1 A" });
    row("a comment inside a word", u"set name a//b\nset name http://x"_qs,
        { "0 1 a", "0 2 http://x" });
    row("an escaped quote in quotes", u"set name \"^1a\\\"b\""_qs, { "0 1 ^1ab" }, End::Finished,
        { warning(Kind::RemovedCharacters, 1) });
    row("wait with two words waits one tick", u"set name A\nwait 30 x\nset name B"_qs,
        { "0 1 A", "1 3 B" }, End::Finished, { warning(Kind::WaitWithMoreWords, 2) });
    // What reads as commented out or harmless and is not.
    row("a comment after a command ends at a ';'",
        u"set scr_difficulty \"4\" // Difficulty; 1 = hardest"_qs, {}, End::Finished,
        { warning(Kind::CommentThatRuns, 1) });
    row("a block comment ends with its line", u"/*\nset name ^1Hidden\n*/"_qs, { "0 2 ^1Hidden" },
        End::Finished,
        { warning(Kind::BlockCommentThatRuns, 2), warning(Kind::BlockCommentThatRuns, 3) });
    row("a wait glued to a command", u"wait 50set name ^4Glued"_qs, {}, End::Finished,
        { warning(Kind::WaitWithMoreWords, 1) });
    row("set without a value", u"set name"_qs, {}, End::Finished,
        { warning(Kind::SetsNothing, 1) });
    row("exec of a script the check cannot see", u"exec other.cfg\nset name A"_qs, { "0 2 A" },
        End::Finished, { warning(Kind::Exec, 1) });
    row("vstr with two words does nothing", u"set a \"set name A\"\nvstr a b\nset name B"_qs,
        { "0 3 B" });
    row("a lone CR ends a line, for warnings too",
        u"set name A\rwait 5\rset name ^1abcdefghijklmnopqrstuvwxyz12345"_qs,
        { "0 1 A", "5 3 ^1abcdefghijklmnopqrstuvwxyz123" }, End::Finished,
        { warning(Kind::NamesSkipped, 1), warning(Kind::LongName, 3) });
    row("toggle finds the value whatever its case", u"set name ^1A\ntoggle name ^1a ^2B"_qs,
        { "0 1 ^1A", "0 2 ^2B" });
    row("toggle leaves a string without a list alone", u"set name 0\ntoggle name"_qs, { "0 1 0" });
    // va() keeps 1,023 bytes of the value: "set name A;", spaces, "set name B".
    const auto longValue = [](int spaces) {
        return u"set a \"set name A;"_qs + QString(spaces, u' ') + u"set name B\"\nvstr a"_qs;
    };
    row("a vstr value of 1,023 bytes runs whole", longValue(1'002), { "0 1 A", "0 1 B" });
    row("a vstr value of 1,024 bytes loses its end", longValue(1'003), { "0 1 A" }, End::Finished,
        { warning(Kind::LongValue, 1) });
    // What players get wrong, each warned about on its line.
    row("a misspelled command, once though a key replays the script",
        u"wiat 50\nset name A\nbind k \"set name K\""_qs, { "0 2 A" }, End::Finished,
        { warning(Kind::UnknownCommand, 1) });
    row("a misspelled command said once", u"wiat 50\nset name A\nwiat 50"_qs, { "0 2 A" },
        End::Finished, { warning(Kind::UnknownCommand, 1) });
    row("a misspelled variable", u"set nmae ^2X"_qs, {}, End::Finished,
        { warning(Kind::UnknownVariable, 1) });
    row("a leading slash", u"/set name ^3B"_qs, {}, End::Finished,
        { warning(Kind::LeadingSlash, 1) });
    row("a command that ends the session", u"set name ^1Big;quit"_qs, { "0 1 ^1Big" },
        End::Finished, { warning(Kind::SessionCommand, 1) });
    row("a key that ends the session", u"bind k \"unbindall\""_qs, {}, End::Finished,
        { warning(Kind::SessionCommand, 1) });
    // What the config the game writes holds, and players' own choices.
    row("unbindall and then binds, as the game writes its config",
        u"unbindall\nunbindall\nbind W \"+forward\""_qs, {});
    row("unbindall with no bind after it", u"bind W \"+forward\"\nunbindall"_qs, {}, End::Finished,
        { warning(Kind::SessionCommand, 2) });
    row("a key bound to quit is the player's own", u"bind F10 \"quit\""_qs, {});
    row("a server's config runs map_rotate and map",
        u"set rcon_password \"x\"\nset sv_hostname \"My server\"\nmap mp_toujane\nmap_rotate"_qs,
        {});
    row("a name script that runs map", u"set name A\nmap mp_toujane"_qs, { "0 1 A" }, End::Finished,
        { warning(Kind::SessionCommand, 2) });
    row("a variable that holds commands is no misspelt name",
        u"seta nade2 \"+gostand; wait; -attack\""_qs, {});
    row("a variable another key's press sets",
        u"bind F1 \"set step vstr s1\"\nbind F2 \"vstr step\"\nset s1 \"set name ^1A\""_qs, {},
        End::Finished, { warning(Kind::UnsetUntilPressed, 2) });
    row("a variable a key reads is no misspelt name",
        u"seta nmae \"set name ^2X\"\nbind k \"vstr nmae\""_qs, {});
    row("COD 2's dvar commands are no misspellings",
        u"dvarlist\ndvardump\nsetfromdvar a b\nset name A"_qs, { "0 4 A" });
    row("a game command and a variable of the game are no misspellings",
        u"say hi\ncg_fov 80\nset name A"_qs, { "0 3 A" });
    row("the model's own bound", u"wait 20000000\nset name A"_qs, {}, End::TickBound,
        { warning(Kind::ModelBound, 1) });
    // COD 1.1 and 1.3, as the open rebuild of COD 1.1 runs them.
    const auto cod = GameVersion::Cod11;
    row("COD: a variable's command takes one word", u"name ^1X Y"_qs, { "0 1 ^1X" }, End::Finished,
        {}, {}, cod);
    row("COD: seta takes exactly a name and a value", u"seta name A B\nseta name C"_qs, { "0 2 C" },
        End::Finished, { warning(Kind::SetsNothing, 1) }, {}, cod);
    row("COD: ^8 dropped from the shown name as ^0", u"set name ^8A^0B^1C"_qs, { "0 1 AB^1C" },
        End::Finished, {}, {}, cod);
    row("COD 2: ^8 shown", u"set name ^8A^1C"_qs, { "0 1 ^8A^1C" });
    row("COD: toggle without a list sets 0 or 1", u"set name 0\ntoggle name"_qs,
        { "0 1 0", "0 2 1" }, End::Finished, {}, {}, cod);
    row("COD: toggle compares in case", u"set name ^1A\ntoggle name ^1a ^2B"_qs,
        { "0 1 ^1A", "0 2 ^1a" }, End::Finished, {}, {}, cod);
    row("COD: toggle makes a variable it does not find", u"toggle v \"set name ^3V\"\nvstr v"_qs,
        { "0 1 ^3V" }, End::Finished, {}, {}, cod);
    row("comments", u"// set name X\nset name A // set name B\nset name \"a//b\""_qs,
        { "0 2 A", "0 3 a//b" });
    row("waits and their timing",
        u"set name ^1A\nwait 100\nset name ^2B\nwait\nset name ^3C\nwait 0\nset name ^4D"_qs,
        { "0 1 ^1A", "100 3 ^2B", "101 5 ^3C", "101 7 ^4D" });
    row("any case, blanks and tabs", u"SET  Name\t^1A   b\nSeTa name \"x  y\""_qs,
        { "0 1 ^1A b", "0 2 x  y" });
    row("a known variable alone sets it", u"name ^5Bob\nfoo bar"_qs, { "0 1 ^5Bob" }, End::Finished,
        { warning(Kind::UnknownCommand, 2) });
    row("variables in any case", u"set frame1 \"set name ^1A\"\nvstr Frame1\nVSTR FRAME1"_qs,
        { "0 1 ^1A", "0 1 ^1A" });
    row("vstr chain",
        u"set a \"set name ^1A; wait 10; vstr b\"\nset b \"set name ^2B; wait 5; vstr c\"\n"
        "set c \"set name ^3C\"\nvstr a"_qs,
        { "0 1 ^1A", "10 2 ^2B", "15 3 ^3C" }, End::Finished, { warning(Kind::NamesSkipped, 2) });
    row("toggle steps through its list",
        u"toggle name A B C\ntoggle name A B C\ntoggle name A B C\ntoggle name A B C"_qs,
        { "0 1 A", "0 2 B", "0 3 C", "0 4 A" });
    row("endless vstr loop with waits",
        u"set a \"set name ^1A; wait 10; vstr b\"\nset b \"set name ^2B; wait 10; vstr a\"\n"
        "vstr a"_qs,
        { "0 1 ^1A", "10 2 ^2B", "20 1 ^1A" }, End::Looping,
        { warning(Kind::EndlessLoop, 1), warning(Kind::ChatDropped, 1) });
    // Each round leaves a line break behind, until the buffer is full: then the rest runs.
    row("a loop without a wait fills the buffer", u"set a \"vstr a\"\nvstr a\nset name After"_qs,
        { "0 3 After" }, End::Finished, { warning(Kind::BufferFilled, 1) });
    row("recursion without a wait fills the buffer, then the queued rest runs",
        u"set a \"vstr a; set n x\"\nvstr a\nset name End"_qs, { "0 3 End" }, End::Finished,
        { warning(Kind::BufferFilled, 1) });
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
    QFETCH(GameVersion, game);

    const ConsoleRun run = runScript(script, presses, game);
    QCOMPARE(timeline(run), names);
    QCOMPARE(run.end, end);
    if (end == ConsoleRun::End::Looping)
        QVERIFY2(run.commandsRun < 50, "a loop is recognised on its first repeat");
    QCOMPARE(warnings(ScriptChecker::check(script, 85, game)), warned);
}

// The game's own words are never typos, whatever their case; a near miss names the word meant,
// whatever its prefix; a word near none is said to be no command.
void tst_ConsoleRun::misspellingsNameTheWordMeant_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<GameVersion>("game");
    QTest::addColumn<QString>("said"); // in the warnings; none when empty

    const auto cod = GameVersion::Cod11;
    QTest::newRow("COD 2's own words") << u"cg_drawfps 1\nscreenshotJPEG\nopenScriptMenu a b\n"
                                          "bind x \"+melee_breath; chatmodeteam\"\nsnaps 30"_qs
                                       << GameVersion::Cod2 << QString();
    QTest::newRow("COD's own words")
        << u"r_clear\nweaponslot primary\nmessagemode2\ncvardump"_qs << cod << QString();
    QTest::newRow("a near miss of a variable")
        << u"cg_drawfsp 1"_qs << GameVersion::Cod2 << u"Did you mean \"cg_drawFPS\"?"_qs;
    QTest::newRow("a near miss of a command")
        << u"bind x \"+atack\""_qs << GameVersion::Cod2 << u"Did you mean \"+attack\"?"_qs;
    QTest::newRow("COD's command in COD 2")
        << u"cvardump"_qs << GameVersion::Cod2 << u"Did you mean \"dvardump\"?"_qs;
    QTest::newRow("a word near none")
        << u"xyzzy"_qs << GameVersion::Cod2 << u"\"xyzzy\" is not a command of the game"_qs;
    QTest::newRow("a misspelt setting")
        << u"seta sensitivty 2"_qs << GameVersion::Cod2 << u"Did you mean \"sensitivity\"?"_qs;
    QTest::newRow("a setting of another game")
        << u"seta cg_drawdecals 1"_qs << GameVersion::Cod2 << QString();
    QTest::newRow("a config the game wrote")
        << u"// generated by Call of Duty, do not modify\nseta r_aasmaples 1"_qs
        << GameVersion::Cod2 << QString();
    QTest::newRow("the script's own short names")
        << u"set s1 1\nset anim 2"_qs << GameVersion::Cod2 << QString();
}

void tst_ConsoleRun::misspellingsNameTheWordMeant()
{
    QFETCH(QString, script);
    QFETCH(GameVersion, game);
    QFETCH(QString, said);

    QStringList texts;
    for (const ScriptWarning &warning : ScriptChecker::check(script, 85, game).warnings)
        texts << warning.text;
    if (said.isEmpty())
        QCOMPARE(texts, QStringList());
    else
        QVERIFY2(texts.join(u'\n').contains(said), qPrintable(texts.join(u'\n')));
}

// Frames last whole milliseconds, 1000 / com_maxfps rounded down, and take two ticks each: the
// times worked out by hand.
void tst_ConsoleRun::secondsAtFrameRates_data()
{
    QTest::addColumn<int>("maxFps");
    QTest::addColumn<qint64>("ticks");
    QTest::addColumn<double>("milliseconds");
    QTest::addColumn<QString>("shown");

    QTest::newRow("wait 85 at com_maxfps 85: 11 ms frames")
        << 85 << qint64(85) << 85 * 11 / 2.0 << u"0.47 s (85 ticks)"_qs;
    QTest::newRow("wait 100 at 85") << 85 << qint64(100) << 550.0 << u"0.55 s (100 ticks)"_qs;
    QTest::newRow("at 125: 8 ms frames")
        << 125 << qint64(250) << 1000.0 << u"1.00 s (250 ticks)"_qs;
    QTest::newRow("at 333: 3 ms frames") << 333 << qint64(100) << 150.0 << u"0.15 s (100 ticks)"_qs;
}

void tst_ConsoleRun::secondsAtFrameRates()
{
    QFETCH(int, maxFps);
    QFETCH(qint64, ticks);
    QFETCH(double, milliseconds);
    QFETCH(QString, shown);
    QCOMPARE(secondsOfTicks(ticks, maxFps) * 1000, milliseconds);
    QCOMPARE(ScriptChecker::time(ticks, maxFps), shown);
    QCOMPARE(qRound(framesPerSecondOf(85) * 10), 909);
}

// A script that sets com_maxfps changes the frames from that command on: the times worked out by
// hand, 11 ms frames at 85, 8 at 125, 4 at 250, two ticks a frame.
void tst_ConsoleRun::timesFollowTheScriptsFrameRate_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("shown");

    QTest::newRow("seta com_maxfps 250 from the start")
        << u"seta com_maxfps 250\nwait 250\nset name B"_qs << u"0.50 s (250 ticks), line 3: B"_qs;
    QTest::newRow("com_maxfps 125 after 100 ticks at 85")
        << u"wait 100\ncom_maxfps 125\nwait 250\nset name B"_qs
        << u"1.55 s (350 ticks), line 4: B"_qs;
    QTest::newRow("the number at the start of the value")
        << u"set com_maxfps \"250 x\"\nwait 250\nset name B"_qs
        << u"0.50 s (250 ticks), line 3: B"_qs;
}

void tst_ConsoleRun::timesFollowTheScriptsFrameRate()
{
    QFETCH(QString, script);
    QFETCH(QString, shown);
    const ScriptCheck check = ScriptChecker::check(script, 85);
    QVERIFY2(ScriptChecker::report(check, 85).contains(shown),
        qPrintable(ScriptChecker::report(check, 85)));
    // The player window's clock runs back the same way.
    const qint64 tick = check.run.nameChanges.constLast().tick;
    QCOMPARE(check.run.tickAt(check.run.millisecondsAt(tick, 85), 85), tick);
}

void tst_ConsoleRun::shownName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<GameVersion>("game");
    const auto cod2 = GameVersion::Cod2;
    const auto cod = GameVersion::Cod11;

    QTest::newRow("plain") << u"^1Bob"_qs << u"^1Bob"_qs << cod2;
    QTest::newRow("leading spaces dropped") << u"   ^1Bob "_qs << u"^1Bob "_qs << cod2;
    QTest::newRow("quotes and backslashes removed") << u"a\"b\\c"_qs << u"abc"_qs << cod2;
    QTest::newRow("exactly 31 bytes") << QString(31, u'x') << QString(31, u'x') << cod2;
    QTest::newRow("32 bytes cut to 31") << QString(32, u'x') << QString(31, u'x') << cod2;
    QTest::newRow("a code counts two")
        << u"^1"_qs + QString(30, u'x') << u"^1"_qs + QString(29, u'x') << cod2;
    QTest::newRow("empty") << QString() << u"UnnamedPlayer"_qs << cod2;
    QTest::newRow("codes only") << u"^1^2^0"_qs << u"UnnamedPlayer"_qs << cod2;
    QTest::newRow("spaces only") << u"   "_qs << u"UnnamedPlayer"_qs << cod2;
    QTest::newRow("a caret at the end dropped") << u"^1A^"_qs << u"^1A"_qs << cod2;
    QTest::newRow("a caret alone dropped") << u"^"_qs << u"UnnamedPlayer"_qs << cod2;
    QTest::newRow("^0 dropped") << u"^0Black^1Red"_qs << u"Black^1Red"_qs << cod2;
    QTest::newRow("semicolon dropped") << u"A;B"_qs << u"AB"_qs << cod2;
    QTest::newRow("three spaces in a row kept, the fourth dropped")
        << u"A   B    C"_qs << u"A   B   C"_qs << cod2;
    QTest::newRow("cut before a code it would split")
        << QString(30, u'x') + u"^1y"_qs << QString(30, u'x') << cod2;
    QTest::newRow("a code just within the cut")
        << QString(29, u'x') + u"^1y"_qs << QString(29, u'x') + u"^1"_qs << cod2;
    QTest::newRow("caret and a letter count as a code")
        << u"^a^b"_qs << u"UnnamedPlayer"_qs << cod2;
    // ClientCleanName, rule by rule, where the name differs from what was set.
    QTest::newRow("a caret takes a caret as its code: chat colors keep both pairs")
        << u"^^33Cy^^00NutroN"_qs << u"^^33Cy^^00NutroN"_qs << cod2;
    QTest::newRow("COD: ^^88 keeps both pairs too") << u"^^88"_qs << u"^^88"_qs << cod;
    QTest::newRow("two carets alone are a code") << u"^^"_qs << u"UnnamedPlayer"_qs << cod2;
    QTest::newRow("codes do not break a row of spaces") << u"A  ^1  B"_qs << u"A  ^1 B"_qs << cod2;
    QTest::newRow("a caret and a space are a code, not a space")
        << u"A^    B"_qs << u"A^    B"_qs << cod2;
    QTest::newRow("leading spaces after a dropped code go too") << u"^0  A"_qs << u"A"_qs << cod2;
    QTest::newRow("COD 2 keeps ^8") << u"^8Team"_qs << u"^8Team"_qs << cod2;
    QTest::newRow("COD drops ^8") << u"^8Team"_qs << u"Team"_qs << cod;
    // COD's ColorIndex keeps three bits: every character of a byte that is a multiple of eight
    // is black.
    QTest::newRow("COD drops ^x and ^h") << u"^xA^hB"_qs << u"AB"_qs << cod;
    QTest::newRow("COD 2 keeps ^x") << u"^xA"_qs << u"^xA"_qs << cod2;
    QTest::newRow("COD drops a caret and \u20ac, byte 0x80") << u"^\u20acA"_qs << u"A"_qs << cod;
    // opencod1's Info_SetValueForKey takes the characters out, as COD 2 does.
    QTest::newRow("COD drops ; from a name") << u"A;B"_qs << u"AB"_qs << cod;
}

void tst_ConsoleRun::shownName()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QFETCH(GameVersion, game);
    QCOMPARE(ShownName::of(name, game).shown, shown);
}

void tst_ConsoleRun::runTogetherCanBeSplitAtItsColumn()
{
    // The column of the second command on its line, counted by hand, also where the first
    // command does not start the line.
    for (const auto &[line, column] : { std::pair { u" set name ^1A set name ^2B"_qs, 14 },
             std::pair { u"wait 5; set name ^1A set name ^2B"_qs, 21 } }) {
        const ScriptCheck check = ScriptChecker::check(u"// x\r\n"_qs + line + u"\r\n"_qs, 85);
        QCOMPARE(check.warnings.size(), 1);
        QCOMPARE(check.warnings.first().splitColumn, std::optional(column));
        QCOMPARE(line.mid(column), u"set name ^2B"_qs);
        QVERIFY(check.warnings.first().text.contains(u"\"set name ^2B\""_qs));
    }
}

void tst_ConsoleRun::nameSetByLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<std::optional<QString>>("name");

    QTest::newRow("plain") << u"set name ^1A"_qs << std::optional(u"^1A"_qs);
    QTest::newRow("handed-off line") << u" set name ^1A"_qs << std::optional(u"^1A"_qs);
    // set needs a value: the game sets nothing.
    QTest::newRow("empty name") << u" set name "_qs << std::optional<QString>();
    QTest::newRow("two on one line")
        << u" set name A set name B"_qs << std::optional(u"A set name B"_qs);
    QTest::newRow("any case, any spacing")
        << u"SET  Name\t^2Bo   b "_qs << std::optional(u"^2Bo b"_qs);
    QTest::newRow("ends at a semicolon") << u"set name ^3C; wait 5"_qs << std::optional(u"^3C"_qs);
    QTest::newRow("the last of two") << u"set name ^3C; set name D"_qs << std::optional(u"D"_qs);
    QTest::newRow("quoted") << u"set name \"^4D  E\"; wait"_qs << std::optional(u"^4D  E"_qs);
    QTest::newRow("seta") << u"seta name ^5F"_qs << std::optional(u"^5F"_qs);
    QTest::newRow("the variable's own command") << u"name ^6G"_qs << std::optional(u"^6G"_qs);
    QTest::newRow("an escaped quote") << u"set name \"a\\\"b\""_qs << std::optional(u"a\"b"_qs);
    QTest::newRow("a byte from 0x80 ends the word")
        << u"set name B\u00e9"_qs << std::optional(u"B"_qs);
    QTest::newRow("a comment after the name") << u"set name H//x"_qs << std::optional(u"H"_qs);
    QTest::newRow("comment") << u"// set name ^1T^1a"_qs << std::optional<QString>();
    QTest::newRow("a binding") << u"bind k \"set name K\""_qs << std::optional<QString>();
    QTest::newRow("other command") << u"wait 5"_qs << std::optional<QString>();
    QTest::newRow("other variable") << u"set namecolor 1"_qs << std::optional<QString>();
}

void tst_ConsoleRun::nameSetByLine()
{
    QFETCH(QString, line);
    QFETCH(std::optional<QString>, name);

    QCOMPARE(SetNameLine::nameSetBy(line), name);
}

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

    // A script of exactly size bytes that ends by setting the name to Late.
    const auto scriptOf = [](qsizetype size) {
        const QString last = u"set name Late"_qs;
        QString script;
        while (script.size() + 32 + last.size() <= size)
            script += u"// filler filler filler filler\r\n"_qs; // 32 bytes
        return script + QString(size - script.size() - last.size() - 2, u'/') + u"\r\n"_qs + last;
    };
    const int lines = int(scriptOf(65'535).count(u'\n')) + 1;
    QTest::newRow("script of 65,535 bytes runs")
        << scriptOf(65'535) << QStringList { u"0 %1 Late"_qs.arg(lines) } << QStringList() << cod2;
    QTest::newRow("script of 65,536 bytes runs nothing")
        << scriptOf(65'536) << QStringList() << QStringList { warning(Kind::LongScript, 1) }
        << cod2;

    // "set name " and the name: 9 bytes and the rest.
    const QString name31 = QString(31, u'a');
    QTest::newRow("command of 4,095 bytes is whole")
        << u"set name "_qs + QString(4'086, u'a') << QStringList { u"0 1 "_qs + name31 }
        << QStringList { warning(Kind::LongName, 1) } << cod2;
    QTest::newRow("command of 4,096 bytes loses its last byte")
        << u"set name "_qs + QString(4'086, u'a') + u'!' << QStringList { u"0 1 "_qs + name31 }
        << QStringList { warning(Kind::LongName, 1), warning(Kind::LongCommand, 1) } << cod2;
    QTest::newRow("command of 4,106 bytes: its end runs as the next command")
        << u"set name "_qs + QString(4'086, u'a') + u"!set name B"_qs
        << QStringList { u"0 1 "_qs + name31, u"0 1 B"_qs }
        << QStringList { warning(Kind::LongName, 1), warning(Kind::LongCommand, 1) } << cod2;
    // "set name" is two words.
    const auto words
        = [](int count) { return QString(count - 2, u'x').replace(u"x"_qs, u" x"_qs); };
    QTest::newRow("511 words run")
        << u"set name"_qs + words(511) << QStringList { u"0 1 x x x x x x x x x x x x x x x x"_qs }
        << QStringList() << cod2;
    QTest::newRow("512 words do nothing")
        << u"set name"_qs + words(512) << QStringList() << QStringList() << cod2;

    // COD 1.1's buffer is 16,384 bytes, 1.3's 65,536; a command of either takes 1,023.
    const int codLines = int(scriptOf(16'383).count(u'\n')) + 1;
    QTest::newRow("COD 1.1: script of 16,383 bytes runs")
        << scriptOf(16'383) << QStringList { u"0 %1 Late"_qs.arg(codLines) } << QStringList()
        << cod11;
    QTest::newRow("COD 1.1: script of 16,384 bytes runs nothing")
        << scriptOf(16'384) << QStringList() << QStringList { warning(Kind::LongScript, 1) }
        << cod11;
    QTest::newRow("COD 1.3: script of 16,384 bytes runs")
        << scriptOf(16'384) << QStringList { u"0 %1 Late"_qs.arg(codLines) } << QStringList()
        << cod13;
    QTest::newRow("COD 1.1: command of 1,023 bytes is whole")
        << u"set name "_qs + QString(1'014, u'a') << QStringList { u"0 1 "_qs + name31 }
        << QStringList() << cod11;
    QTest::newRow("COD 1.1: command of 1,024 bytes loses its last byte")
        << u"set name "_qs + QString(1'014, u'a') + u'!' << QStringList { u"0 1 "_qs + name31 }
        << QStringList { warning(Kind::LongCommand, 1) } << cod11;
}

void tst_ConsoleRun::limits()
{
    QFETCH(QString, script);
    QFETCH(QStringList, names);
    QFETCH(QStringList, warned);
    QFETCH(GameVersion, game);

    const ScriptCheck check = ScriptChecker::check(script, 85, game);
    QCOMPARE(timeline(check.run), names);
    QStringList found = warnings(check);
    found.removeAll(warning(Kind::LongName, 1));
    warned.removeAll(warning(Kind::LongName, 1));
    QCOMPARE(found, warned);
}

// Worked out by hand: at com_maxfps 85 a frame lasts 11 ms and two ticks, at 100 10 ms, at 66
// 15 ms, at 62 16 ms; sv_fps 20 takes a snapshot every 50 ms.
void tst_ConsoleRun::whatOthersOnTheServerSee_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("maxFps");
    QTest::addColumn<ConsoleRules::ServerKind>("server");
    QTest::addColumn<QStringList>("seen"); // "from milliseconds: line"
    QTest::addColumn<QStringList>("warned");
    QTest::addColumn<QStringList>("noted");
    using enum ConsoleRules::ServerKind;
    const auto everyTicks = [](int ticks) {
        return u"set name ^1A\nwait %1\nset name ^2B\nwait %1\nset name ^3C"_qs.arg(ticks);
    };
    const auto loopEveryTicks = [](int ticks) {
        return u"set a1 \"set name ^1A; wait %1; vstr a2\"\n"
               "set a2 \"set name ^2B; wait %1; vstr a1\"\nvstr a1"_qs.arg(ticks);
    };
    const QString keyStep = u"set a1 \"set name ^1A; set nx vstr a2\"\n"
                            "set a2 \"set name ^2B; set nx vstr a1\"\nset nx vstr a1\n"
                            "bind F1 vstr nx"_qs;
    const QStringList onceNoted { warning(Kind::RoundBasedModes, 1),
        warning(Kind::LastNameKept, 5) };

    // Names of 11 ms: the last stays; chat is dropped for 22 + 800 ms, the keys held for 22.
    QTest::newRow("every 2 ticks: two of three skipped")
        << everyTicks(2) << 85 << Stock << QStringList { u"50: 5"_qs }
        << QStringList { warning(Kind::NamesSkipped, 1) }
        << QStringList { warning(Kind::KeysHeldBack, 1), warning(Kind::ChatDropped, 1) }
            + onceNoted;
    QTest::newRow("every 10 ticks: each lasts 55 ms, all seen")
        << everyTicks(10) << 85 << Stock << QStringList { u"0: 1"_qs, u"100: 3"_qs, u"150: 5"_qs }
        << QStringList()
        << QStringList { warning(Kind::KeysHeldBack, 1), warning(Kind::ChatDropped, 1) }
            + onceNoted;
    QTest::newRow("names of 50 ms, one snapshot, are seen")
        << everyTicks(10) << 100 << Stock << QStringList { u"0: 1"_qs, u"50: 3"_qs, u"100: 5"_qs }
        << QStringList()
        << QStringList { warning(Kind::KeysHeldBack, 1), warning(Kind::ChatDropped, 1) }
            + onceNoted;
    QTest::newRow("names of 40 ms are skipped")
        << everyTicks(8) << 100 << Stock << QStringList { u"100: 5"_qs }
        << QStringList { warning(Kind::NamesSkipped, 1) }
        << QStringList { warning(Kind::KeysHeldBack, 1), warning(Kind::ChatDropped, 1) }
            + onceNoted;
    // 2.2 s of keys held back is a warning; names 1.1 s apart leave chat alone.
    QTest::newRow("every 200 ticks") << everyTicks(200) << 85 << Stock
                                     << QStringList { u"0: 1"_qs, u"1100: 3"_qs, u"2200: 5"_qs }
                                     << QStringList { warning(Kind::KeysHeldBack, 1) } << onceNoted;
    // 81 frames, 891 ms: a note; 364 frames, 4,004 ms: a warning.
    QTest::newRow("keys held back for 0.9 s")
        << u"set name ^1A\nwait 162\nset name ^2B"_qs << 85 << Stock
        << QStringList { u"0: 1"_qs, u"900: 3"_qs } << QStringList()
        << QStringList { warning(Kind::KeysHeldBack, 1), warning(Kind::RoundBasedModes, 1),
               warning(Kind::LastNameKept, 3) };
    QTest::newRow("keys held back for 4 s")
        << u"set name ^1A\nwait 728\nset name ^2B"_qs << 85 << Stock
        << QStringList { u"0: 1"_qs, u"4050: 3"_qs }
        << QStringList { warning(Kind::KeysHeldBack, 1) }
        << QStringList { warning(Kind::RoundBasedModes, 1), warning(Kind::LastNameKept, 3) };
    // 80 frames of 10 ms are the flood protection's 800 ms: chat goes through.
    QTest::newRow("names 800 ms apart keep chat")
        << everyTicks(160) << 100 << Stock
        << QStringList { u"0: 1"_qs, u"800: 3"_qs, u"1600: 5"_qs }
        << QStringList { warning(Kind::KeysHeldBack, 1) } << onceNoted;
    QTest::newRow("names 790 ms apart drop chat for 2.38 s, a note")
        << everyTicks(158) << 100 << Stock
        << QStringList { u"0: 1"_qs, u"800: 3"_qs, u"1600: 5"_qs }
        << QStringList { warning(Kind::KeysHeldBack, 1) }
        << QStringList { warning(Kind::ChatDropped, 1) } + onceNoted;
    QTest::newRow("a loop of names 790 ms apart drops chat for ever, a warning")
        << loopEveryTicks(158) << 100 << Stock
        << QStringList { u"0: 1"_qs, u"800: 2"_qs, u"1600: 1"_qs }
        << QStringList { warning(Kind::EndlessLoop, 1), warning(Kind::ChatDropped, 1) }
        << QStringList { warning(Kind::RoundBasedModes, 1), warning(Kind::LastNameKept, 1) };
    // A name a frame: 2 names in 30 ms are 66.7 a second, over COD 2's 64; in 32 ms, 62.5.
    const QStringList everyFrame { warning(Kind::EndlessLoop, 1), warning(Kind::NamesSkipped, 1),
        warning(Kind::ChatDropped, 1) };
    QTest::newRow("a name a frame at 66 fps risks a disconnect")
        << loopEveryTicks(2) << 66 << Stock << QStringList()
        << everyFrame + QStringList { warning(Kind::DisconnectRisk, 1) }
        << QStringList { warning(Kind::RoundBasedModes, 1), warning(Kind::LastNameKept, 1) };
    QTest::newRow("a name a frame at 62 fps does not")
        << loopEveryTicks(2) << 62 << Stock << QStringList() << everyFrame
        << QStringList { warning(Kind::RoundBasedModes, 1), warning(Kind::LastNameKept, 1) };
    QTest::newRow("a key that steps holds nothing back")
        << keyStep << 85 << Stock << QStringList() << QStringList()
        << QStringList { warning(Kind::RoundBasedModes, 4), warning(Kind::LastNameKept, 4) };
    // Where wait does nothing, every name comes at once.
    QTest::newRow("competitive: a loop paced by wait freezes")
        << loopEveryTicks(50) << 85 << Competitive << QStringList { u"0: 1"_qs }
        << QStringList { warning(Kind::WaitLoopFreezes, 1) } << QStringList();
    QTest::newRow("competitive: a timed animation shows its last name")
        << everyTicks(50) << 85 << Competitive << QStringList { u"0: 5"_qs }
        << QStringList { warning(Kind::WaitIgnored, 2) } << QStringList();
    QTest::newRow("competitive: a key that steps still works")
        << keyStep << 85 << Competitive << QStringList() << QStringList()
        << QStringList { warning(Kind::RoundBasedModes, 4), warning(Kind::LastNameKept, 4) };
}

void tst_ConsoleRun::whatOthersOnTheServerSee()
{
    QFETCH(QString, script);
    QFETCH(int, maxFps);
    QFETCH(ConsoleRules::ServerKind, server);
    QFETCH(QStringList, seen);
    QFETCH(QStringList, warned);
    QFETCH(QStringList, noted);

    const ScriptCheck check
        = ScriptChecker::check(script, maxFps, GameVersion::Cod2, { server, 20 });
    QStringList seenFrom;
    for (const SentName &name : check.server.sent) {
        if (name.seenFrom)
            seenFrom << u"%1: %2"_qs.arg(*name.seenFrom).arg(name.line);
    }
    QCOMPARE(seenFrom, seen);
    QCOMPARE(warnings(check), warned);
    QCOMPARE(notes(check), noted);
}

void tst_ConsoleRun::competitiveServerForcesTheFrameRate_data()
{
    QTest::addColumn<int>("maxFps");
    QTest::addColumn<int>("forced");
    QTest::newRow("0, no cap") << 0 << 250;
    QTest::newRow("124") << 124 << 250;
    QTest::newRow("125") << 125 << 125;
    QTest::newRow("250") << 250 << 250;
    QTest::newRow("251") << 251 << 250;
}

void tst_ConsoleRun::competitiveServerForcesTheFrameRate()
{
    QFETCH(int, maxFps);
    QFETCH(int, forced);
    using enum ConsoleRules::ServerKind;
    QCOMPARE(ConsoleRules::maxFpsOn(Competitive, maxFps), forced);
    QCOMPARE(ConsoleRules::maxFpsOn(Stock, maxFps), maxFps);
    // The script's own com_maxfps too.
    const ConsoleRun run
        = runScript(u"com_maxfps %1"_qs.arg(maxFps), {}, GameVersion::Cod2, Competitive);
    QCOMPARE(run.frameRates.constFirst().maxFps, forced);
}

// 5,000 one-line binds in 55 KB fit the game's buffer: each key is pressed within the model's
// bounds, and each says what it does.
void tst_ConsoleRun::everyKeyOfABigConfigIsChecked()
{
    QString script;
    for (int i = 0; i < 5000; ++i)
        script += u"bind %1 a\n"_qs.arg(i, 0, 36);
    QVERIFY(script.size() < 65'536);
    const ScriptCheck check = ScriptChecker::check(script, 85);
    QCOMPARE(check.keyNames.size(), 5000);
    QCOMPARE(check.warnings.size(), 5000); // "a" is no command, whichever key sends it
    QVERIFY(std::ranges::none_of(check.warnings,
        [](const ScriptWarning &warning) { return warning.kind == Kind::ModelBound; }));
}

void tst_ConsoleRun::reportNamesTimesAndWarnings()
{
    const ScriptCheck check
        = ScriptChecker::check(u"set name ^1A\r\nwait 170\r\nset name ^2B set name C\r\n"_qs, 85);
    QCOMPARE(ScriptChecker::report(check, 85),
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
        "script, \"^2B set name C\", your name at the next start.\n"_qs);
    QVERIFY(ScriptChecker::report(ScriptChecker::check(u"set name A"_qs, 85), 85)
                .endsWith(u"Warnings:\n  No warnings: the script runs as written.\n"_qs));
    // A server's config says so at the top.
    QVERIFY(ScriptChecker::report(
        ScriptChecker::check(u"set rcon_password x\r\nmap_rotate\r\n"_qs, 85), 85)
                .startsWith(u"Read as a server's config: it sets rcon_password."_qs));
    // The same warning on consecutive lines is said once, for all of them.
    QVERIFY(ScriptChecker::report(
        ScriptChecker::check(u"set name B\u00e9\r\nset name C\u00e9\r\nwait\r\n"_qs, 85), 85)
                .contains(u"  lines 1 to 2: A character such as"_qs));

    // The keys a script binds, and the names one press after another shows.
    const QString stepped = u"set s1 \"set name ^1A; set step vstr s2\"\r\n"
                            "set s2 \"set name ^2B; set step vstr s1\"\r\n"
                            "set step \"vstr s1\"\r\nbind k \"vstr step\"\r\n"_qs;
    QVERIFY(ScriptChecker::report(ScriptChecker::check(stepped, 85), 85)
                .contains(u"Keys it binds, and the names their presses show:\n"
                          "  k: ^1A, ^2B, and so on\n"_qs));
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
        const qsizetype size = round % 50 == 0 ? 65'536 + 100 : random.bounded(2, 400);
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
