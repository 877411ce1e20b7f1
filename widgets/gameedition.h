// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GAMEEDITION_H
#define GAMEEDITION_H

#include "gamelanguage.h"
#include "installedgames.h"

#include <QObject>

#include <optional>

// The one setting of the game's edition that both windows write for: the letters a name may
// hold, the code page the scripts are saved and opened in, and how the preview draws a name. The
// player's choice, kept in the settings, or else the edition of the game installed, looked up
// when first needed.
class GameEdition : public QObject {
    Q_OBJECT

public:
    static GameEdition &instance();

    // The installed games to follow when the player chose none.
    void follow(InstalledGames *games);
    GameLanguage language();
    // The edition of the first game installed that tells its language, if any.
    std::optional<GameLanguage> installed();
    CodePage codePage() { return language().codePage(); }
    // The code page of a script at path: the player's choice, or else that of the game whose
    // folder holds it, or else the edition's.
    CodePage codePageOf(const QString &path);
    // Whether the player chose the edition, rather than it following the game installed.
    bool chosen() const;
    // Keeps the player's choice; nothing follows the game installed again.
    void choose(std::optional<GameLanguage> language);

signals:
    void changed();

private:
    GameEdition() = default;
    InstalledGames &games();

    InstalledGames *m_games = nullptr;
    InstalledGames m_noGames { GameSearch {} }; // while the program follows none
    std::optional<GameLanguage> m_language;
};

#endif // GAMEEDITION_H
