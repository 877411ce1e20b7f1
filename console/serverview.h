// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SERVERVIEW_H
#define SERVERVIEW_H

#include "consolerun.h"

#include <QList>
#include <QString>

#include <optional>

// A name the player's client sends the server: when, what the game shows of it, the line that
// set it, the name change it is of, and from when the server's snapshots carry it to the others
// (none when the next name replaces it first).
struct SentName {
    double milliseconds = 0;
    QString shown;
    int line = 0;
    qsizetype change = 0; // in the run's nameChanges
    std::optional<double> seenFrom;
};

// What the others on a server see of the names a run sets, and what sending them costs.
struct ServerView {
    int snapshotsPerSecond = ConsoleRules::defaultSnapshotsPerSecond; // the server's sv_fps
    // Between two snapshots the others get, as their snaps and sv_fps allow.
    int snapshotMilliseconds = ConsoleRules::snapshotMilliseconds(snapshotsPerSecond);
    QList<SentName> sent; // in the order sent
    qsizetype namesSet = 0; // as the player's console sets them
    qsizetype namesSeen = 0;
    // The shortest time between two names sent, and the most sent within one second; 0 when
    // fewer than two are sent.
    double shortestGap = 0;
    double mostPerSecond = 0;

    // The names set from fromTick on; maxFps: the player's com_maxfps until the script sets it.
    static ServerView of(
        const ConsoleRun &run, int maxFps, int snapshotsPerSecond, qint64 fromTick = 0);
    // The sent name others see at a time, if any yet.
    const SentName *seenAt(double milliseconds) const;
};

#endif // SERVERVIEW_H
