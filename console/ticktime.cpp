// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ticktime.h"

#include "consolerun.h"

namespace {

QString withTicks(double seconds, qint64 ticks)
{
    return TickTime::tr("%1 s (%2 ticks)").arg(seconds, 0, 'f', 2).arg(ticks);
}

} // namespace

QString TickTime::of(const ConsoleRun &run, qint64 tick, int framesPerSecond)
{
    return withTicks(run.millisecondsAt(tick, framesPerSecond) / 1000, tick);
}

QString TickTime::between(const ConsoleRun &run, qint64 from, qint64 to, int framesPerSecond)
{
    return withTicks(
        (run.millisecondsAt(to, framesPerSecond) - run.millisecondsAt(from, framesPerSecond))
            / 1000,
        to - from);
}

QString TickTime::seconds(double milliseconds)
{
    return tr("%1 s").arg(milliseconds / 1000, 0, 'f', 2);
}

QString TickTime::span(double milliseconds)
{
    const qint64 seconds = qRound64(milliseconds / 1000);
    if (seconds < 60)
        return TickTime::seconds(milliseconds);
    if (seconds < 3600)
        return tr("%1 min %2 s").arg(seconds / 60).arg(seconds % 60);
    return tr("%1 h %2 min").arg(seconds / 3600).arg(seconds % 3600 / 60);
}
