// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SCRIPTWARNING_H
#define SCRIPTWARNING_H

#include "console/scriptfinding.h"

#include <QString>

#include <optional>

// Something in a script that would misbehave in the game, in plain words with what to do.
struct ScriptWarning {
    using Kind = ScriptFinding::Kind;

    Kind kind;
    int line = 0;
    QString text;
    // The same warning on each line from line on to this one, said once.
    int throughLine = 0;
    // Of commands run together on a line of the script: the second starts at this column.
    std::optional<int> splitColumn;

    friend bool operator==(const ScriptWarning &, const ScriptWarning &) = default;
};

#endif // SCRIPTWARNING_H
