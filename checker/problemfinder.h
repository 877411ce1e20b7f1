// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PROBLEMFINDER_H
#define PROBLEMFINDER_H

#include "console/consolerun.h"
#include "console/scriptcommands.h"
#include "console/scriptfinding.h"
#include "console/serverview.h"

#include <QList>

// Finds what would misbehave in the game in a script's text and in what a run of it leaves,
// each where it stands; whether a player needs to hear it is decided after.
class ProblemFinder {
public:
    // What needs no run: the script's own lines as the console splits them, also those the run
    // never reaches.
    static QList<ScriptFinding> inTheText(const ScriptCommands &split);
    // What the run found, and what else it shows. pressedAt: the tick a key was pressed at; what
    // ran before it is the script's own. writtenByTheGame: the run is of the config the game
    // writes itself.
    static QList<ScriptFinding> ofTheRun(
        const ConsoleRun &run, qint64 pressedAt, int framesPerSecond, bool writtenByTheGame);
    // What sending the names the run sets from pressedAt on does, as the others and the player
    // meet it; server: what the others see of those names.
    static QList<ScriptFinding> onTheServer(
        const ConsoleRun &run, const ServerView &server, qint64 pressedAt, int framesPerSecond);
};

#endif // PROBLEMFINDER_H
