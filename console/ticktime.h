// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TICKTIME_H
#define TICKTIME_H

#include <QCoreApplication>
#include <QString>

struct ConsoleRun;

// The one way every window and the checker say a console time: "1.18 s (200 ticks)", with the
// frame length the script is running at.
class TickTime {
    Q_DECLARE_TR_FUNCTIONS(TickTime)

public:
    // A tick of a run, which follows the frame rates the script sets.
    static QString of(const ConsoleRun &run, qint64 tick, int framesPerSecond);
    // The time from one tick of a run to another, at the frame rates the script sets.
    static QString between(const ConsoleRun &run, qint64 from, qint64 to, int framesPerSecond);
    // "1.18 s"
    static QString seconds(double milliseconds);
    // A span that may last hours: "1.18 s", "4 min 10 s", "2 h 30 min".
    static QString span(double milliseconds);
};

#endif // TICKTIME_H
