// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GAMEFONTSOURCE_H
#define GAMEFONTSOURCE_H

#include "games/gamefinder.h"
#include "games/gamelanguage.h"
#include "namedrawing.h"

#include <QHash>
#include <QObject>

#include <memory>

class QThread;

// The fonts of the installed games, each read once for an install and edition, off the GUI
// thread: reading a game's archives takes longer than a frame, so a view asks, draws as before
// while the font loads, and draws again on loaded().
class GameFontSource : public QObject {
    Q_OBJECT

public:
    enum class State { Loading, Loaded, NotFound };

    explicit GameFontSource(QObject *parent = nullptr);
    ~GameFontSource() override;

    // The drawing in the font of install's edition, starting to read it when first asked;
    // nothing until it is read, or when the install has none.
    std::shared_ptr<const NameDrawing> drawing(const GameInstall &install, GameLanguage language);
    State state(const GameInstall &install, GameLanguage language) const;

    // The font COD 2 draws names in on its scoreboard and in its kill feed: the normal one of
    // the UI's fonts (UI_GetFontHandle's font 0 at the scoreboard's scales,
    // cg_scoreboard_mp.c).
    static inline const QString cod2NameFont = QStringLiteral("fonts/normalFont");

signals:
    void loaded();

private:
    struct Entry {
        State state = State::Loading;
        std::shared_ptr<const NameDrawing> drawing;
    };
    static QString keyOf(const GameInstall &install, GameLanguage language);

    QHash<QString, Entry> m_entries;
    QList<QThread *> m_loading;
};

#endif // GAMEFONTSOURCE_H
