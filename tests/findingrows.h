// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef FINDINGROWS_H
#define FINDINGROWS_H

#include "console/consolerun.h"
#include "console/scriptfinding.h"

#include <QMetaEnum>
#include <QStringList>

// Rows name findings as "Kind@line", so that a failure reads as what went wrong.
inline QString finding(ScriptFinding::Kind kind, int line)
{
    const char *name = QMetaEnum::fromType<ScriptFinding::Kind>().valueToKey(int(kind));
    return QStringLiteral("%1@%2").arg(QLatin1String(name)).arg(line);
}

template <typename Found> QStringList findings(const QList<Found> &found)
{
    QStringList named;
    for (const Found &each : found)
        named << finding(each.kind, each.line);
    return named;
}

// "tick line name" for each name change, the name as the game shows it.
inline QStringList timeline(const ConsoleRun &run)
{
    QStringList changes;
    for (const NameChange &change : run.nameChanges)
        changes << QStringLiteral("%1 %2 %3").arg(change.tick).arg(change.line).arg(change.shown);
    return changes;
}

// Scripts are checked as saved: CR LF line ends.
inline QString saved(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}

#endif // FINDINGROWS_H
