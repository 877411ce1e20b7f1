// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include <QStringList>

#include <optional>

class QTextStream;

// What "tintmark" does without a window: "--check FILE..." checks scripts, "--help" lists the
// options, "--version" names the version. Returns the exit status when it handled the arguments,
// nothing when the program should start its windows. "tintmark 1.0.0"
QString programVersionLine();

std::optional<int> runCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err);

#endif // COMMANDLINE_H
