// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setnameline.h"

#include <QTest>

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

void tst_SetNameLine::nameSetByLine()
{
    QFETCH(QString, line);
    QFETCH(std::optional<QString>, name);

    QCOMPARE(SetNameLine::nameSetBy(line), name);
}

QTEST_APPLESS_MAIN(tst_SetNameLine)
#include "tst_setnameline.moc"
