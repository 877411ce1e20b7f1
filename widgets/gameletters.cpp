// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gameletters.h"

#include "gameedition.h"

GameLetters::GameLetters(GameEdition &edition, QObject *parent)
    : QObject(parent)
    , m_edition(edition)
{
    connect(&m_source, &GameFontSource::loaded, this, &GameLetters::changed);
    connect(&edition, &GameEdition::changed, this, &GameLetters::changed);
}

void GameLetters::start()
{
    if (m_started)
        return;
    m_started = true;
    drawing();
}

std::optional<GameInstall> GameLetters::install()
{
    for (const GameInstall &game : m_edition.games().games()) {
        if (game.family() == GameFamily::Cod2)
            return game;
    }
    return std::nullopt;
}

std::shared_ptr<const NameDrawing> GameLetters::drawing()
{
    const std::optional<GameInstall> game = m_started ? install() : std::nullopt;
    return game ? m_source.drawing(*game, m_edition.language()) : nullptr;
}

QString GameLetters::note()
{
    const std::optional<GameInstall> game = m_started ? install() : std::nullopt;
    if (!game)
        return {};
    // Asked first, so that a newly chosen edition's font starts loading.
    m_source.drawing(*game, m_edition.language());
    switch (m_source.state(*game, m_edition.language())) {
    case GameFontSource::State::Loaded:
        return tr("in COD 2's own letters");
    case GameFontSource::State::NotFound:
        return tr("the game's font was not found");
    case GameFontSource::State::Loading:
        break;
    }
    return {};
}
