// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "console/colorruns.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(QList<ColorRun>)

namespace {

// "#ff0000"
QString nameOf(GameColor color) { return u"#%1"_s.arg(color, 6, 16, QLatin1Char('0')); }

} // namespace

namespace QTest {
template <> char *toString(const ColorRun &run)
{
    return qstrdup(qPrintable(u"%1 \"%2\""_s.arg(nameOf(run.color), run.text)));
}
} // namespace QTest

// A name's colors as the game draws them: the runs of letters in one color, the palette with the
// teams' colors, and the codes a name holds.
class tst_ColorRuns : public QObject {
    Q_OBJECT

private slots:
    void runs_data();
    void runs();
    void palette();
    void colorCodes_data();
    void colorCodes();
};

void tst_ColorRuns::runs_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<ColorRun>>("runs");

    const GameColor white = 0xffffff, red = 0xff0000, green = 0x00ff00, blue = 0x0000ff;
    QTest::newRow("empty name") << u""_s << QList<ColorRun>();
    QTest::newRow("no codes is white")
        << u"Player"_s << QList<ColorRun> { { u"Player"_s, white } };
    QTest::newRow("text before a code is white")
        << u"Pla^4yer"_s << QList<ColorRun> { { u"Pla"_s, white }, { u"yer"_s, blue } };
    QTest::newRow("adjacent codes: the last one counts")
        << u"^1^2A"_s << QList<ColorRun> { { u"A"_s, green } };
    QTest::newRow("codes only") << u"^1^2^3"_s << QList<ColorRun>();
    QTest::newRow("trailing caret is shown") << u"^1A^"_s << QList<ColorRun> { { u"A^"_s, red } };
    QTest::newRow("caret caret digit digit")
        << u"^^11"_s << QList<ColorRun> { { u"^"_s, white }, { u"1"_s, red } };
    // Any character but a caret makes a code, as in the games; COD 2 draws a letter's code white.
    QTest::newRow("caret and a letter is a code")
        << u"^1a^bc"_s << QList<ColorRun> { { u"a"_s, red }, { u"c"_s, white } };
    QTest::newRow("same color twice makes one run")
        << u"^1A^1B"_s << QList<ColorRun> { { u"AB"_s, red } };
    QTest::newRow("white code after text") << u"A^7B"_s << QList<ColorRun> { { u"AB"_s, white } };
    QTest::newRow("caret and a sign is a code")
        << u"^1^!A"_s << QList<ColorRun> { { u"A"_s, white } };
}

void tst_ColorRuns::runs()
{
    QFETCH(QString, name);
    QFETCH(QList<ColorRun>, runs);

    QCOMPARE(colorRuns(name), runs);
}

// ^8 in the allies' team color, the American green unless the player picks another nation.
void tst_ColorRuns::palette()
{
    const QStringList expected = { "#000000", "#ff0000", "#00ff00", "#ffff00", "#0000ff", "#00ffff",
        "#ff00ff", "#ffffff", "#40bf40", "#999999" };
    for (int digit = 0; digit <= 9; ++digit)
        QCOMPARE(nameOf(gamePalette()[digit]), expected.at(digit));
    QCOMPARE(nameOf(teamPalette(alliedNations()[2])[8]), u"#bf4040"_s);
}

// The codes a name holds as the game reads them (Q_IsColorString): a caret takes anything but a
// caret as its code.
void tst_ColorRuns::colorCodes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("codes");
    QTest::addColumn<int>("at");
    QTest::addColumn<QString>("inForce"); // at position at

    QTest::newRow("none: white") << u"Sniper"_s << QString() << 3 << u"^7"_s;
    QTest::newRow("the last before the position") << u"^1Sn^2iper"_s << u"12"_s << 6 << u"^2"_s;
    QTest::newRow("a code that starts at the position is not yet in force")
        << u"^1Sn^2iper"_s << u"12"_s << 4 << u"^1"_s;
    QTest::newRow("a shown caret, then a code") << u"^^1ab"_s << u"1"_s << 3 << u"^1"_s;
    QTest::newRow("letters are codes too") << u"^xA^^B"_s << u"xB"_s << 3 << u"^x"_s;
    QTest::newRow("a caret at the end is none") << u"A^"_s << QString() << 2 << u"^7"_s;
}

void tst_ColorRuns::colorCodes()
{
    QFETCH(QString, name);
    QFETCH(QString, codes);
    QFETCH(int, at);
    QFETCH(QString, inForce);
    QCOMPARE(colorCodesIn(name), codes);
    QCOMPARE(colorCodeInForce(name, at), inForce);
}

QTEST_APPLESS_MAIN(tst_ColorRuns)
#include "tst_colorruns.moc"
