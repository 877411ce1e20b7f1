// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "checkrows.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Kind = ScriptFinding::Kind;

// What would misbehave in the game, found where it stands.
class tst_ProblemFinder : public QObject {
    Q_OBJECT

private slots:
    void foundWhereItStands_data();
    void foundWhereItStands();
    void runTogetherCanBeSplitAtItsColumn();
};

void tst_ProblemFinder::foundWhereItStands_data()
{
    CheckRows::addColumns();
    using CheckRows::row;
    using End = ConsoleRun::End;
    // What reads as commented out or harmless and is not.
    row("a comment after a command ends at a ';'",
        u"set scr_difficulty \"4\" // Difficulty; 1 = hardest"_s, {}, End::Finished,
        { finding(Kind::CommentThatRuns, 1) });
    row("a block comment ends with its line", u"/*\nset name ^1Hidden\n*/"_s, { "0 2 ^1Hidden" },
        End::Finished,
        { finding(Kind::BlockCommentThatRuns, 2), finding(Kind::BlockCommentThatRuns, 3) });
    row("a wait glued to a command", u"wait 50set name ^4Glued"_s, {}, End::Finished,
        { finding(Kind::WaitWithMoreWords, 1) });
    row("set without a value", u"set name"_s, {}, End::Finished,
        { finding(Kind::SetsNothing, 1) });
    row("exec of a script the check cannot see", u"exec other.cfg\nset name A"_s, { "0 2 A" },
        End::Finished, { finding(Kind::Exec, 1) });
    // What players get wrong, each warned about on its line.
    row("a leading slash", u"/set name ^3B"_s, {}, End::Finished,
        { finding(Kind::LeadingSlash, 1) });
    row("a command that ends the session", u"set name ^1Big;quit"_s, { "0 1 ^1Big" },
        End::Finished, { finding(Kind::SessionCommand, 1) });
    row("a key that ends the session", u"bind k \"unbindall\""_s, {}, End::Finished,
        { finding(Kind::SessionCommand, 1) });
    // What the config the game writes holds, and players' own choices.
    row("unbindall and then binds, as the game writes its config",
        u"unbindall\nunbindall\nbind W \"+forward\""_s, {});
    row("unbindall with no bind after it", u"bind W \"+forward\"\nunbindall"_s, {}, End::Finished,
        { finding(Kind::SessionCommand, 2) });
    row("a name script that runs map", u"set name A\nmap mp_toujane"_s, { "0 1 A" }, End::Finished,
        { finding(Kind::SessionCommand, 2) });
    row("a variable that holds commands is no misspelt name",
        u"seta nade2 \"+gostand; wait; -attack\""_s, {});
    row("a variable a key reads is no misspelt name",
        u"seta nmae \"set name ^2X\"\nbind k \"vstr nmae\""_s, {});
    row("the model's own bound", u"wait 20000000\nset name A"_s, {}, End::TickBound,
        { finding(Kind::ModelBound, 1) });
    row("name over 31 bytes", u"set name ^1abcdefghijklmnopqrstuvwxyz12345"_s,
        { "0 1 ^1abcdefghijklmnopqrstuvwxyz123" }, End::Finished, { finding(Kind::LongName, 1) });
    row("characters the game removes", u"set name a\\b"_s, { "0 1 ab" }, End::Finished,
        { finding(Kind::RemovedCharacters, 1) });
}

void tst_ProblemFinder::foundWhereItStands() { CheckRows::check(); }

void tst_ProblemFinder::runTogetherCanBeSplitAtItsColumn()
{
    // The column of the second command on its line, counted by hand, also where the first
    // command does not start the line.
    for (const auto &[line, column] : { std::pair { u" set name ^1A set name ^2B"_s, 14 },
             std::pair { u"wait 5; set name ^1A set name ^2B"_s, 21 } }) {
        const ScriptCheck check = ScriptChecker::check(u"// x\r\n"_s + line + u"\r\n"_s, 85);
        QCOMPARE(check.warnings.size(), 1);
        QCOMPARE(check.warnings.first().splitColumn, std::optional(column));
        QCOMPARE(line.mid(column), u"set name ^2B"_s);
        QVERIFY(check.warnings.first().text.contains(u"\"set name ^2B\""_s));
    }
}

QTEST_APPLESS_MAIN(tst_ProblemFinder)
#include "tst_problemfinder.moc"
