// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SCRIPTLINE_H
#define SCRIPTLINE_H

#include <QString>

#include <optional>

// The name that a script line sets, as the game's console reads it: the line starts with the
// command "set name", the name is what follows up to a ';', with its words separated by single
// spaces, or what stands between quotes. No name for any other line, comments included.
std::optional<QString> nameSetByLine(QStringView line);

#endif // SCRIPTLINE_H
