// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A program that keeps a recovery copy of unsaved changes and runs until it is killed, as
// Tintmark does while its editor holds them: "keepcopy FOLDER TEXT". It says "copy written" once
// the copy is there.

#include "cfgfile/recoverycopy.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication program(argc, argv);
    const QStringList arguments = program.arguments();
    RecoveryCopy copy(arguments.value(1));
    if (!copy.write(arguments.value(2)))
        return 1;
    std::fputs("copy written\n", stdout);
    std::fflush(stdout);
    return program.exec();
}
