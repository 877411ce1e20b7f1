// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "checker/warningtext.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(QList<int>)

// The checker's words that name a warning's lines, as the window and --check show them.
class tst_WarningText : public QObject {
    Q_OBJECT

private slots:
    void linesNamed_data();
    void linesNamed();
};

void tst_WarningText::linesNamed_data()
{
    QTest::addColumn<QList<int>>("lines");
    QTest::addColumn<QString>("named");
    QTest::newRow("one") << QList<int> { 4 } << u"line 4"_s;
    QTest::newRow("two") << QList<int> { 1, 4 } << u"lines 1 and 4"_s;
    QTest::newRow("three") << QList<int> { 1, 4, 7 } << u"lines 1, 4 and 7"_s;
    // A long list names its first lines: the player window has them all.
    QTest::newRow("ten") << QList<int> { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 }
                         << u"lines 1, 2, 3, 4, 5, 6, 7, 8 and 2 more"_s;
}

void tst_WarningText::linesNamed()
{
    QFETCH(QList<int>, lines);
    QFETCH(QString, named);
    QCOMPARE(WarningText::linesList(lines), named);
    // A warning said once for consecutive lines names them as a range.
    const ScriptWarning warning { ScriptWarning::Kind::HighBytes, lines.first(), u"x"_s,
        lines.last(), std::nullopt };
    QCOMPARE(WarningText::describe(warning),
        lines.size() > 1 ? u"lines %1 to %2: x"_s.arg(lines.first()).arg(lines.last())
                         : u"line %1: x"_s.arg(lines.first()));
}

QTEST_APPLESS_MAIN(tst_WarningText)
#include "tst_warningtext.moc"
