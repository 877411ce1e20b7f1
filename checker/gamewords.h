// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GAMEWORDS_H
#define GAMEWORDS_H

#include "console/gameversion.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The words a game's console knows: the commands and the variables the game registers, from the
// tables made of the engines' rebuilds (checker/words). The console sends a line whose first word
// is neither to the server, which shows it as chat; a word close to a known one is a typo of it.
class GameWords {
public:
    static const GameWords &of(GameFamily family);

    // In any case: the console ignores it.
    bool isCommand(QStringView word) const;
    bool isVariable(QStringView word) const;
    // The known word that word most likely misspells: the fewest edits away, at most one for a
    // word of up to eight letters and two for a longer one, case aside.
    std::optional<QString> nearestWord(QStringView word) const;
    std::optional<QString> nearestVariable(QStringView word) const;

private:
    explicit GameWords(const QString &table);

    QStringList m_commands;
    QStringList m_lowerCommandList;
    QStringList m_variables;
    QStringList m_lowerVariableList;
    QSet<QString> m_lowerCommands;
    QSet<QString> m_lowerVariables;
};

#endif // GAMEWORDS_H
