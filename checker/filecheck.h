// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef FILECHECK_H
#define FILECHECK_H

#include "cfgfile/codepage.h"
#include "console/consolerules.h"
#include "console/consolerun.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// A script file as its place decides it for a check, by whoever knows the games' folders (the
// checker does not): its text as the game reads it, and the player's game it runs in.
struct CheckedFile {
    QString text; // in the code page, line ends as they stand
    bool savedAsUtf8 = false;
    CodePage codePage;
    int maxFps = ConsoleRules::defaultMaxFps; // the player's com_maxfps
    ScriptReader beside; // the scripts of its folder, as its exec reads them
};

// What "tintmark --check" finds in script files: each checked as the game runs it, with the
// scripts it execs from its own folder, each once; the report, and the exit status.
class FileCheck {
public:
    // The exit statuses: notes leave it at NoWarnings.
    enum Status { NoWarnings = 0, SomeWarnings = 1, Unreadable = 2 };
    // The file at path as its place decides it; nothing when it cannot be read, and errorString
    // says why.
    using Reader = std::function<std::optional<CheckedFile>(const QString &path, QString *)>;
    struct Unread {
        QString file;
        QString reason;
    };
    struct Result {
        QString report; // for each script read, its name and then its check
        QList<Unread> unread;
        Status status = NoWarnings;
    };

    static Result check(
        QStringList files, const Reader &read, GameVersion game, ConsoleRules::GameServer server);
};

#endif // FILECHECK_H
