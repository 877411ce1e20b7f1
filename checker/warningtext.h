// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef WARNINGTEXT_H
#define WARNINGTEXT_H

#include "console/consolerun.h"
#include "console/gameversion.h"
#include "console/scriptfinding.h"
#include "scriptwarning.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

// Every finding of the checker in the player's words, with what to do, in one place.
class WarningText {
    Q_DECLARE_TR_FUNCTIONS(WarningText)

public:
    // What the words of a finding depend on besides it.
    struct Context {
        GameVersion game = defaultGameVersion;
        bool serverConfig = false; // a dedicated server runs it, with nobody to send a line to
    };
    // pressedKeys: the keys whose presses the finding follows, none for the script's own run.
    static QString of(
        const ScriptFinding &finding, const QStringList &pressedKeys, const Context &context);
    // "line N: " and the warning's text, as the window and the command line show it.
    static QString describe(const ScriptWarning &warning);
    // What a script without warnings gets instead.
    static QString noWarnings();
    // "Read as a server's config: ...", for a script that sets this server setting.
    static QString serverConfig(const QString &setting);
    // The line that follows a loop's names: how many rounds it runs and when it stops.
    static QString loopEnd(const ConsoleRun &run, int framesPerSecond);
    // "line 4", "lines 1, 4 and 7"
    static QString linesList(const QList<int> &lines);
    // The note for a script saved as UTF-8, for an edition that reads codePage ("Windows-1252").
    static QString savedAsUtf8(const QString &codePage);
};

#endif // WARNINGTEXT_H
