// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gameedition.h"

#include "installedgames.h"

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

GameLanguage GameEdition::language()
{
    if (!m_language) {
        InstalledGames none(GameSearch {});
        m_language = GameLanguage::preferred(m_games ? *m_games : none);
    }
    return *m_language;
}

std::optional<GameLanguage> GameEdition::installed()
{
    InstalledGames none(GameSearch {});
    return GameLanguage::ofInstalledGames(m_games ? *m_games : none);
}

bool GameEdition::chosen() const { return QSettings().contains(GameLanguage::settingsKey); }

CodePage GameEdition::codePageOf(const QString &path)
{
    if (!m_games)
        return codePage();
    return GameLanguage::preferred(*m_games, path).codePage();
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
