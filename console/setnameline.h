// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SETNAMELINE_H
#define SETNAMELINE_H

#include <QCoreApplication>
#include <QString>

// The console line that sets a name as typed, as the console model judges it: the command word,
// a space and the name; quoted when the console would otherwise split or merge its words (bytes
// from 0x80, spaces it would merge). A name that even so would not be set as typed, or that
// would run a command, is refused with the reason in the game's terms.
struct SetNameLine {
    Q_DECLARE_TR_FUNCTIONS(SetNameLine)

public:
    static SetNameLine forName(const QString &commandWord, const QString &name);

    QString line; // as written, quoted where it needs to be; a refused name's plain line
    QString refusal; // what the game would do instead, when refused
};

#endif // SETNAMELINE_H
