// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "console/setnameline.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The name a line of a script leaves set, as the console runs the line on its own.
class tst_SetNameLine : public QObject {
    Q_OBJECT

private slots:
    void nameSetByLine_data();
    void nameSetByLine();
};

void tst_SetNameLine::nameSetByLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<std::optional<QString>>("name");

    QTest::newRow("plain") << u"set name ^1A"_s << std::optional(u"^1A"_s);
    QTest::newRow("handed-off line") << u" set name ^1A"_s << std::optional(u"^1A"_s);
    // set needs a value: the game sets nothing.
    QTest::newRow("empty name") << u" set name "_s << std::optional<QString>();
    QTest::newRow("two on one line")
        << u" set name A set name B"_s << std::optional(u"A set name B"_s);
    QTest::newRow("any case, any spacing")
        << u"SET  Name\t^2Bo   b "_s << std::optional(u"^2Bo b"_s);
    QTest::newRow("ends at a semicolon") << u"set name ^3C; wait 5"_s << std::optional(u"^3C"_s);
    QTest::newRow("the last of two") << u"set name ^3C; set name D"_s << std::optional(u"D"_s);
    QTest::newRow("quoted") << u"set name \"^4D  E\"; wait"_s << std::optional(u"^4D  E"_s);
    QTest::newRow("seta") << u"seta name ^5F"_s << std::optional(u"^5F"_s);
    QTest::newRow("the variable's own command") << u"name ^6G"_s << std::optional(u"^6G"_s);
    QTest::newRow("an escaped quote") << u"set name \"a\\\"b\""_s << std::optional(u"a\"b"_s);
    QTest::newRow("a byte from 0x80 ends the word")
        << u"set name B\u00e9"_s << std::optional(u"B"_s);
    QTest::newRow("a comment after the name") << u"set name H//x"_s << std::optional(u"H"_s);
    QTest::newRow("comment") << u"// set name ^1T^1a"_s << std::optional<QString>();
    QTest::newRow("a binding") << u"bind k \"set name K\""_s << std::optional<QString>();
    QTest::newRow("other command") << u"wait 5"_s << std::optional<QString>();
    QTest::newRow("other variable") << u"set namecolor 1"_s << std::optional<QString>();
}

void tst_SetNameLine::nameSetByLine()
{
    QFETCH(QString, line);
    QFETCH(std::optional<QString>, name);

    QCOMPARE(SetNameLine::nameSetBy(line), name);
}

QTEST_APPLESS_MAIN(tst_SetNameLine)
#include "tst_setnameline.moc"
