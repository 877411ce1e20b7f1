// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SCRIPTCHECKER_H
#define SCRIPTCHECKER_H

#include "consolerun.h"
#include "serverview.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>

// Something in a script that would misbehave in the game, in plain words with what to do.
struct ScriptWarning {
    using Kind = ScriptFinding::Kind;

    Kind kind;
    int line = 0;
    QString text;
    // The same warning on each line from line on to this one, said once.
    int throughLine = 0;
    // Of commands run together on a line of the script: the second starts at this column.
    std::optional<int> splitColumn;

    friend bool operator==(const ScriptWarning &, const ScriptWarning &) = default;
};

// A script checked: how it runs with no key pressed, and its warnings in the order of their
// lines. Each key the script binds is also pressed once after the run, so that a key that starts
// an endless loop is found too.
struct ScriptCheck {
    ConsoleRun run;
    QList<ScriptWarning> warnings;
    // Each key the script binds, with the names its presses show, one press after another.
    QList<std::pair<QString, QStringList>> keyNames;
    // The scripts it runs with exec, each once, as exec names their files.
    QStringList execs;
    // The server setting that makes it a server's config, for which the warnings meant for name
    // scripts are left out; empty for any other script.
    QString serverSetting;
    // What the others on the server see of the run's names.
    ServerView server;
    // What is worth knowing but no fault, in the order of their lines.
    QList<ScriptWarning> notes;
};

class ScriptChecker {
    Q_DECLARE_TR_FUNCTIONS(ScriptChecker)

public:
    // framesPerSecond: the player's com_maxfps, which the server may force into its range.
    static ScriptCheck check(QStringView script, int framesPerSecond,
        GameVersion game = defaultGameVersion, ConsoleRules::GameServer server = {});

    // "line N: " and the warning's text, as the window and the command line show it.
    static QString describe(const ScriptWarning &warning);
    // What a script without warnings gets instead.
    static QString noWarnings();
    // "Read as a server's config: ...", for a check that read one.
    static QString serverConfig(const ScriptCheck &check);
    // The names a run sets with their times, then the warnings: what "tintmark --check" prints.
    static QString report(const ScriptCheck &check, int framesPerSecond);
    // "1.18 s (200 ticks)": ticks at com_maxfps framesPerSecond
    static QString time(qint64 tick, int framesPerSecond);
    // The time of a tick of a run, which follows the frame rates the script sets.
    static QString time(const ConsoleRun &run, qint64 tick, int framesPerSecond);

private:
    static QStringList namesOfPresses(const ScriptSession &session, const QString &key);
    // What needs no run: the script's own lines as the console splits them.
    static QList<ScriptFinding> findingsInTheText(const ScriptCommands &split);
    // What the run found, and what the checker finds in it. pressedAt: the tick a key was
    // pressed at; what ran before it is the script's own.
    static QList<ScriptFinding> findingsOfTheRun(
        const ConsoleRun &run, qint64 pressedAt, int framesPerSecond);
    // What sending the names the run sets from pressedAt on does, as the others and the player
    // meet it; server: what the others see of those names.
    static QList<ScriptFinding> findingsOnTheServer(
        const ConsoleRun &run, const ServerView &server, qint64 pressedAt, int framesPerSecond);
    // Each finding in words, each warning once; pressedKey: the key the findings follow.
    static void addWarnings(QList<ScriptFinding> findings, const QString &pressedKey,
        GameVersion game, QList<ScriptWarning> &warnings, QList<ScriptWarning> &notes);
    static QString wordsFor(
        const ScriptFinding &finding, const QString &pressedKey, GameVersion game);
};

#endif // SCRIPTCHECKER_H
