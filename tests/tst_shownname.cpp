// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "findingrows.h"
#include "console/shownname.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Kind = ScriptFinding::Kind;
Q_DECLARE_METATYPE(QList<KeyPress>)
Q_DECLARE_METATYPE(ConsoleRun::End)
Q_DECLARE_METATYPE(GameVersion)
Q_DECLARE_METATYPE(ConsoleRules::ServerKind)

// The name the game shows of what a script sets.
class tst_ShownName : public QObject {
    Q_OBJECT

private slots:
    void shownName_data();
    void shownName();
};

void tst_ShownName::shownName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<GameVersion>("game");
    const auto cod2 = GameVersion::Cod2;
    const auto cod = GameVersion::Cod11;

    QTest::newRow("plain") << u"^1Bob"_s << u"^1Bob"_s << cod2;
    QTest::newRow("leading spaces dropped") << u"   ^1Bob "_s << u"^1Bob "_s << cod2;
    QTest::newRow("quotes and backslashes removed") << u"a\"b\\c"_s << u"abc"_s << cod2;
    QTest::newRow("exactly 31 bytes") << QString(31, u'x') << QString(31, u'x') << cod2;
    QTest::newRow("32 bytes cut to 31") << QString(32, u'x') << QString(31, u'x') << cod2;
    QTest::newRow("a code counts two")
        << u"^1"_s + QString(30, u'x') << u"^1"_s + QString(29, u'x') << cod2;
    QTest::newRow("empty") << QString() << u"UnnamedPlayer"_s << cod2;
    QTest::newRow("codes only") << u"^1^2^0"_s << u"UnnamedPlayer"_s << cod2;
    QTest::newRow("spaces only") << u"   "_s << u"UnnamedPlayer"_s << cod2;
    QTest::newRow("a caret at the end dropped") << u"^1A^"_s << u"^1A"_s << cod2;
    QTest::newRow("a caret alone dropped") << u"^"_s << u"UnnamedPlayer"_s << cod2;
    QTest::newRow("^0 dropped") << u"^0Black^1Red"_s << u"Black^1Red"_s << cod2;
    QTest::newRow("semicolon dropped") << u"A;B"_s << u"AB"_s << cod2;
    QTest::newRow("three spaces in a row kept, the fourth dropped")
        << u"A   B    C"_s << u"A   B   C"_s << cod2;
    QTest::newRow("cut before a code it would split")
        << QString(30, u'x') + u"^1y"_s << QString(30, u'x') << cod2;
    QTest::newRow("a code just within the cut")
        << QString(29, u'x') + u"^1y"_s << QString(29, u'x') + u"^1"_s << cod2;
    QTest::newRow("caret and a letter count as a code")
        << u"^a^b"_s << u"UnnamedPlayer"_s << cod2;
    // ClientCleanName, rule by rule, where the name differs from what was set.
    QTest::newRow("a caret takes a caret as its code: chat colors keep both pairs")
        << u"^^33Cy^^00NutroN"_s << u"^^33Cy^^00NutroN"_s << cod2;
    QTest::newRow("COD: ^^88 keeps both pairs too") << u"^^88"_s << u"^^88"_s << cod;
    QTest::newRow("two carets alone are a code") << u"^^"_s << u"UnnamedPlayer"_s << cod2;
    QTest::newRow("codes do not break a row of spaces") << u"A  ^1  B"_s << u"A  ^1 B"_s << cod2;
    QTest::newRow("a caret and a space are a code, not a space")
        << u"A^    B"_s << u"A^    B"_s << cod2;
    QTest::newRow("leading spaces after a dropped code go too") << u"^0  A"_s << u"A"_s << cod2;
    QTest::newRow("COD 2 keeps ^8") << u"^8Team"_s << u"^8Team"_s << cod2;
    QTest::newRow("COD drops ^8") << u"^8Team"_s << u"Team"_s << cod;
    // COD's ColorIndex keeps three bits: every character of a byte that is a multiple of eight
    // is black.
    QTest::newRow("COD drops ^x and ^h") << u"^xA^hB"_s << u"AB"_s << cod;
    QTest::newRow("COD 2 keeps ^x") << u"^xA"_s << u"^xA"_s << cod2;
    QTest::newRow("COD drops a caret and \u20ac, byte 0x80") << u"^\u20acA"_s << u"A"_s << cod;
    // opencod1's Info_SetValueForKey takes the characters out, as COD 2 does.
    QTest::newRow("COD drops ; from a name") << u"A;B"_s << u"AB"_s << cod;
}

void tst_ShownName::shownName()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QFETCH(GameVersion, game);
    QCOMPARE(ShownName::of(name, game).shown, shown);
}

QTEST_APPLESS_MAIN(tst_ShownName)
#include "tst_shownname.moc"
