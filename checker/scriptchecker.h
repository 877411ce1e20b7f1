// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SCRIPTCHECKER_H
#define SCRIPTCHECKER_H

#include "console/consolerun.h"
#include "scriptwarning.h"
#include "console/serverview.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class ScriptSession;

// A script checked: how it runs with no key pressed, and its warnings in the order of their
// lines. Each key the script binds is also pressed once after the run, so that a key that starts
// an endless loop is found too.
struct ScriptCheck {
    ConsoleRun run;
    QList<ScriptWarning> warnings;
    // Each key the script binds, with the names its presses show, one press after another:
    // first the keys that show names, then those whose presses the warnings speak of, then the
    // keys that do nothing of note, in the order bound.
    QList<std::pair<QString, QStringList>> keyNames;
    // The scripts it runs with exec, each once, by their files: those read, then those not.
    QStringList execs;
    // The server setting that makes it a server's config, for which the warnings meant for name
    // scripts are left out; empty for any other script.
    QString serverSetting;
    // What the others on the server see of the run's names.
    ServerView server;
    // What is worth knowing but no fault, in the order of their lines.
    QList<ScriptWarning> notes;
    // How many of keyNames come before the keys that do nothing of note.
    qsizetype keysOfNote = 0;
};

// Runs a script as the game would, presses each key it binds, and keeps what a player needs to
// hear of what would misbehave.
class ScriptChecker {
    Q_DECLARE_TR_FUNCTIONS(ScriptChecker)

public:
    // framesPerSecond: the player's com_maxfps, which the server may force into its range.
    // reader: the scripts beside it, which exec runs where it stands.
    static ScriptCheck check(QStringView script, int framesPerSecond,
        GameVersion game = defaultGameVersion, ConsoleRules::GameServer server = {},
        const ScriptReader &reader = {});

private:
    static QStringList namesOfPresses(const ScriptSession &session, const QString &key);
};

#endif // SCRIPTCHECKER_H
