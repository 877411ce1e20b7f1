// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SHOWNNAME_H
#define SHOWNNAME_H

#include "consolerules.h"

#include <QStringList>

// A name a script sets, as the game shows it, and what the game does to it on the way: leading
// spaces dropped, the characters it removes taken out, cut to the bytes it keeps without
// splitting a color code, and "UnnamedPlayer" for a name that shows nothing (empty or only color
// codes).
struct ShownName {
    QString shown;
    QString cleaned; // without what the game removes, before the cut
    QString cutOff; // the end of cleaned that the cut loses
    QStringList removed; // the characters the game removes that the name held, each once

    // The bytes the game counts, a color code counting two.
    qsizetype bytes() const { return cleaned.size(); }

    static ShownName of(const QString &name, GameVersion game = defaultGameVersion);
};

#endif // SHOWNNAME_H
