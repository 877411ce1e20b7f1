// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SHOWNNAME_H
#define SHOWNNAME_H

#include "consolerules.h"

#include <QStringList>

// The name the game shows for a name a script sets: leading spaces dropped, the characters the
// game removes taken out, cut to the bytes it keeps, and "UnnamedPlayer" for a name that shows
// nothing (empty or only color codes).
QString shownName(const QString &name, GameVersion game = defaultGameVersion);

// The name without leading spaces and the characters the game removes, before it is cut.
QString cleanedName(
    const QString &name, GameVersion game = defaultGameVersion);

// The characters the game removes from names that name holds, each once.
QStringList removedCharactersIn(QStringView name);

#endif // SHOWNNAME_H
