// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamefontsource.h"

#include "gamearchives.h"

#include <QThread>

GameFontSource::GameFontSource(QObject *parent)
    : QObject(parent)
{
}

GameFontSource::~GameFontSource()
{
    for (QThread *thread : std::as_const(m_loading))
        thread->wait();
}

QString GameFontSource::keyOf(const GameInstall &install, GameLanguage language)
{
    return install.mainFolder + u'\n' + language.key();
}

GameFontSource::State GameFontSource::state(const GameInstall &install, GameLanguage language) const
{
    const auto found = m_entries.constFind(keyOf(install, language));
    return found == m_entries.cend() ? State::Loading : found->state;
}

std::shared_ptr<const NameDrawing> GameFontSource::drawing(
    const GameInstall &install, GameLanguage language)
{
    const QString key = keyOf(install, language);
    if (const auto found = m_entries.constFind(key); found != m_entries.cend())
        return found->drawing;
    // COD's fonts are Quake III's fontImage files, which the program does not read.
    if (install.family() != GameFamily::Cod2) {
        m_entries.insert(key, { State::NotFound, nullptr });
        return nullptr;
    }
    m_entries.insert(key, {});
    auto result = std::make_shared<std::optional<GameFont>>();
    QThread *thread = QThread::create([folder = install.mainFolder, result] {
        *result = GameFont::load(GameArchives(folder, QStringLiteral(".iwd")), cod2NameFont);
    });
    m_loading.append(thread);
    connect(thread, &QThread::finished, this, [this, thread, key, result, language] {
        m_loading.removeOne(thread);
        thread->deleteLater();
        Entry &entry = m_entries[key];
        if (*result) {
            entry = { State::Loaded,
                std::make_shared<const NameDrawing>(
                    std::make_shared<const GameFont>(std::move(**result)), language.codePage()) };
        } else {
            entry = { State::NotFound, nullptr };
        }
        emit loaded();
    });
    thread->start(QThread::LowPriority);
    return nullptr;
}
