// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CONSOLESTART_H
#define CONSOLESTART_H

#include <QStringList>

// What a start from a command line needs besides the windows.

// The arguments as the user typed them. On Windows they come from the wide command line: main()'s
// argv holds them in the ANSI code page, which loses the letters of a file name outside it.
QStringList commandLineArguments(int argc, char *argv[]);

enum class StandardStream { Output, Error };

// Writes text where standard output or error leads. On Windows the program is a window program,
// whose output leads nowhere when it is started from a command line: it goes to that command
// line's console instead. A console gets the text as UTF-16, which it shows whatever its code
// page; a file or a pipe gets UTF-8, on Windows with CR LF line ends.
void writeStandard(StandardStream stream, const QString &text);

#endif // CONSOLESTART_H
