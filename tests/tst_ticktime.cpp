// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "console/consolerun.h"
#include "console/ticktime.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The times of ticks as the game's frames make them.
class tst_TickTime : public QObject {
    Q_OBJECT

private slots:
    void secondsAtFrameRates_data();
    void secondsAtFrameRates();
};

// Frames last whole milliseconds, 1000 / com_maxfps rounded down, and take two ticks each: the
// times worked out by hand.
void tst_TickTime::secondsAtFrameRates_data()
{
    QTest::addColumn<int>("maxFps");
    QTest::addColumn<qint64>("ticks");
    QTest::addColumn<double>("milliseconds");
    QTest::addColumn<QString>("shown");

    QTest::newRow("wait 85 at com_maxfps 85: 11 ms frames")
        << 85 << qint64(85) << 85 * 11 / 2.0 << u"0.47 s (85 ticks)"_s;
    QTest::newRow("wait 100 at 85") << 85 << qint64(100) << 550.0 << u"0.55 s (100 ticks)"_s;
    QTest::newRow("at 125: 8 ms frames")
        << 125 << qint64(250) << 1000.0 << u"1.00 s (250 ticks)"_s;
    QTest::newRow("at 333: 3 ms frames") << 333 << qint64(100) << 150.0 << u"0.15 s (100 ticks)"_s;
}

void tst_TickTime::secondsAtFrameRates()
{
    QFETCH(int, maxFps);
    QFETCH(qint64, ticks);
    QFETCH(double, milliseconds);
    QFETCH(QString, shown);
    QCOMPARE(secondsOfTicks(ticks, maxFps) * 1000, milliseconds);
    // A run that sets no frame rate of its own.
    QCOMPARE(TickTime::between(ConsoleRun(), 0, ticks, maxFps), shown);
    QCOMPARE(qRound(framesPerSecondOf(85) * 10), 909);
}

QTEST_APPLESS_MAIN(tst_TickTime)
#include "tst_ticktime.moc"
