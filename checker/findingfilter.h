// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef FINDINGFILTER_H
#define FINDINGFILTER_H

#include "console/gameversion.h"
#include "console/scriptfinding.h"
#include "scriptwarning.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The findings of one run of a script: its own, or a key's press after it.
struct RunFindings {
    QString key; // empty for the script's own run
    QString boundCommand; // what the key runs
    QList<ScriptFinding> found;
    QStringList variablesSet; // by the press, in lower case
};

// What the filter needs to know of the script as a whole.
struct ScriptTraits {
    bool writtenByTheGame = false; // the config the game writes itself
    bool serverConfig = false;
    // The line binding a key whose presses step through names, if the script binds one.
    std::optional<int> steppingKeyLine;
};

// The warnings and notes a player hears.
struct HeardFindings {
    QList<ScriptWarning> warnings; // in the order of their lines
    QList<ScriptWarning> notes;
};

// Decides which findings a player needs to hear: leaves out what is no fault in its context
// (a server's config, the game's own config, a key bound to quit), says what goes for every
// animation once, and the same warning on consecutive lines once.
class FindingFilter {
public:
    static HeardFindings keepWhatMatters(
        QList<RunFindings> runs, const ScriptTraits &script, GameVersion game);
};

#endif // FINDINGFILTER_H
