// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GAMELETTERS_H
#define GAMELETTERS_H

#include "gamefont/gamefontsource.h"

#include <QObject>

#include <memory>
#include <optional>

class GameEdition;

// The letters the views draw a name in: the installed COD 2's own font, for the edition the
// names are written for, once it is read; the desktop's font until then and without it. The
// program makes one for its windows and starts it once the main window shows, so that reading
// the game's archives never delays the start; tests make their own.
class GameLetters : public QObject {
    Q_OBJECT

public:
    explicit GameLetters(GameEdition &edition, QObject *parent = nullptr);

    // Begins reading the game's font; before, every view draws in the desktop's font.
    void start();
    // The game's font, or nothing while it loads, without an install of COD 2, or when its
    // archives do not hold a font that can be read.
    std::shared_ptr<const NameDrawing> drawing();
    // The small line that says what a preview draws in: empty without COD 2 and while it loads.
    QString note();

signals:
    // The font was read, or the edition changed: the views draw again.
    void changed();

private:
    // The game whose font the names are drawn in: the first COD 2 installed.
    std::optional<GameInstall> install();

    GameEdition &m_edition;
    GameFontSource m_source;
    bool m_started = false;
};

#endif // GAMELETTERS_H
