// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SETNAMELINE_H
#define SETNAMELINE_H

#include "gameversion.h"

#include <QCoreApplication>
#include <QMetaType>
#include <QString>

#include <optional>

// The console line that sets a name as typed, as the console model judges it: the command word,
// a space and the name; quoted when the console would otherwise split or merge its words (bytes
// from 0x80, spaces it would merge). A name that even so would not be set as typed, or that
// would run a command, is refused with the reason in the game's terms.
struct SetNameLine {
    Q_DECLARE_TR_FUNCTIONS(SetNameLine)

public:
    static SetNameLine forName(const QString &commandWord, const QString &name);
    // The name that a line of a script leaves set, as the console runs the line on its own:
    // nothing for a line that sets none, comments and bindings included.
    static std::optional<QString> nameSetBy(
        QStringView line, GameVersion game = defaultGameVersion);

    QString name; // as typed
    QString line; // as written, quoted where it needs to be; a refused name's plain line
    QString refusal; // what the game would do instead, when refused
};
Q_DECLARE_METATYPE(SetNameLine)

#endif // SETNAMELINE_H
