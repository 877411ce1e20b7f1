// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CHECKREPORT_H
#define CHECKREPORT_H

#include <QCoreApplication>
#include <QString>

struct ScriptCheck;

// What "tintmark --check" prints: the names a run sets with their times, the names others on
// the server see, the keys' names, then the warnings and notes.
class CheckReport {
    Q_DECLARE_TR_FUNCTIONS(CheckReport)

public:
    static QString of(const ScriptCheck &check, int framesPerSecond);
};

#endif // CHECKREPORT_H
