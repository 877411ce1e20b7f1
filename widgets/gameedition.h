// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GAMEEDITION_H
#define GAMEEDITION_H

#include "games/gamelanguage.h"
#include "games/installedgames.h"

#include <QObject>

#include <optional>

// The one setting of the game's edition that both windows write for: the letters a name may
// hold, the code page the scripts are saved and opened in, and how the preview draws a name. The
// player's choice, kept in the settings, or else the edition of the games installed, looked up
// when first needed. The program makes one for its windows; tests make their own.
class GameEdition : public QObject {
    Q_OBJECT

public:
    explicit GameEdition(InstalledGames &games, QObject *parent = nullptr);

    InstalledGames &games() { return m_games; }
    GameLanguage language();
    // The edition of the first game installed that tells its language, if any.
    std::optional<GameLanguage> installed() { return m_games.edition(); }
    CodePage codePage() { return language().codePage(); }
    // What the place of a script at path decides, for the player's choice.
    ScriptPlace placeOf(const QString &path) { return m_games.placeOf(path, chosenLanguage()); }
    // Whether the player chose the edition, rather than it following the game installed.
    bool chosen() const { return chosenLanguage().has_value(); }
    // Keeps the player's choice; nothing follows the game installed again.
    void choose(std::optional<GameLanguage> language);

signals:
    // The language, or whether the player chose it, changed.
    void changed();

private:
    // The choice as the settings keep it: the one place that reads it.
    std::optional<GameLanguage> chosenLanguage() const;

    InstalledGames &m_games;
    std::optional<GameLanguage> m_language;
};

#endif // GAMEEDITION_H
