// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gameedition.h"

#include <QSettings>

GameEdition &GameEdition::instance()
{
    static GameEdition edition;
    return edition;
}

void GameEdition::follow(InstalledGames *games)
{
    m_games = games;
    m_language.reset();
}

InstalledGames &GameEdition::games() { return m_games ? *m_games : m_noGames; }

GameLanguage GameEdition::language()
{
    if (!m_language)
        m_language = GameLanguage::preferred(games());
    return *m_language;
}

std::optional<GameLanguage> GameEdition::installed()
{
    return GameLanguage::ofInstalledGames(games());
}

bool GameEdition::chosen() const { return QSettings().contains(GameLanguage::settingsKey); }

CodePage GameEdition::codePageOf(const QString &path)
{
    return GameLanguage::preferred(games(), path).codePage();
}

void GameEdition::choose(std::optional<GameLanguage> language)
{
    const GameLanguage before = this->language();
    if (language)
        QSettings().setValue(GameLanguage::settingsKey, language->key());
    else
        QSettings().remove(GameLanguage::settingsKey);
    m_language.reset();
    if (this->language() != before)
        emit changed();
}
