// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GAMEVERSION_H
#define GAMEVERSION_H

#include <QCoreApplication>
#include <QString>

// The games, as players know them, and the versions whose consoles differ where a script can
// tell: COD 2, and COD at patch 1.3 and at 1.1. Each version belongs to its game.
enum class GameFamily { Cod2, Cod };
enum class GameVersion { Cod2, Cod13, Cod11 };

inline constexpr GameVersion gameVersions[]
    = { GameVersion::Cod2, GameVersion::Cod13, GameVersion::Cod11 };
inline constexpr GameVersion defaultGameVersion = GameVersion::Cod2;

constexpr GameFamily familyOf(GameVersion version)
{
    return version == GameVersion::Cod2 ? GameFamily::Cod2 : GameFamily::Cod;
}

class GameNames {
    Q_DECLARE_TR_FUNCTIONS(GameNames)

public:
    // "COD 2", "COD 1.3", "COD 1.1"
    static QString of(GameVersion version);
    // "COD 2", "COD"
    static QString of(GameFamily family);
};

#endif // GAMEVERSION_H
