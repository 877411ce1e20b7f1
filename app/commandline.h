// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include <QCoreApplication>
#include <QStringList>

#include <optional>

class QTextStream;

// What "tintmark" does without a window: "--check FILE..." checks scripts, "--help" lists the
// options, "--version" names the version.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    // The exit status when it handled the arguments, nothing when the program should start its
    // windows.
    static std::optional<int> run(const QStringList &arguments, QTextStream &out, QTextStream &err);
    // "tintmark 1.0.0"
    static QString versionLine();
};

#endif // COMMANDLINE_H
