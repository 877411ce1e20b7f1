// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/endrequests.h"

#include <QSignalSpy>
#include <QTest>

#include <csignal>

// Requests from outside to end the program reach the event loop as one signal.
class tst_EndRequests : public QObject {
    Q_OBJECT

private slots:
    void signalsEndTheProgram_data();
    void signalsEndTheProgram();
};

void tst_EndRequests::signalsEndTheProgram_data()
{
    QTest::addColumn<int>("signal");
#ifdef Q_OS_UNIX
    // Desktop sessions and shutdowns send SIGTERM, a closed terminal SIGHUP, Ctrl+C SIGINT.
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
    QTest::newRow("SIGINT") << SIGINT;
#endif
}

void tst_EndRequests::signalsEndTheProgram()
{
#ifndef Q_OS_UNIX
    QSKIP("Windows asks through the console's close, which a test cannot send itself.");
#endif
    QFETCH(int, signal);
    EndRequests endRequests;
    QSignalSpy ends(&endRequests, &EndRequests::endRequested);
    ::raise(signal);
    QTRY_COMPARE(ends.size(), 1);
}

QTEST_GUILESS_MAIN(tst_EndRequests)
#include "tst_endrequests.moc"
