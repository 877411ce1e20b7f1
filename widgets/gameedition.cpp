// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gameedition.h"

#include <QSettings>

namespace {

// The setting that keeps the player's choice of edition.
const QString settingsKey = QStringLiteral("game/language");

} // namespace

GameEdition::GameEdition(InstalledGames &games, QObject *parent)
    : QObject(parent)
    , m_games(games)
{
}

std::optional<GameLanguage> GameEdition::chosenLanguage() const
{
    return GameLanguage::ofKey(QSettings().value(settingsKey).toString());
}

GameLanguage GameEdition::language()
{
    if (!m_language)
        m_language = chosenLanguage();
    if (!m_language)
        m_language = installed().value_or(GameLanguage());
    return *m_language;
}

void GameEdition::choose(std::optional<GameLanguage> language)
{
    const GameLanguage before = this->language();
    const bool wasChosen = chosen();
    if (language)
        QSettings().setValue(settingsKey, language->key());
    else
        QSettings().remove(settingsKey);
    m_language.reset();
    // A choice given up may leave the language as it was, and each script its own game's.
    if (this->language() != before || chosen() != wasChosen)
        emit changed();
}
