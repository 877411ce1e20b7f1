// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GAMEVERSION_H
#define GAMEVERSION_H

#include <QCoreApplication>
#include <QString>

// The games, as players know them, and the versions whose consoles differ where a script can
// tell: COD 2, COD at patch 1.3 and at 1.1, and United Offensive, COD's expansion, which runs an
// executable and a folder of its own. Each version belongs to its game.
enum class GameFamily { Cod2, Cod, CodUo };
enum class GameVersion { Cod2, Cod13, Cod11, CodUo };

inline constexpr GameVersion gameVersions[]
    = { GameVersion::Cod2, GameVersion::Cod13, GameVersion::Cod11, GameVersion::CodUo };
inline constexpr GameVersion defaultGameVersion = GameVersion::Cod2;

constexpr GameFamily familyOf(GameVersion version)
{
    switch (version) {
    case GameVersion::Cod2:
        return GameFamily::Cod2;
    case GameVersion::CodUo:
        return GameFamily::CodUo;
    default:
        return GameFamily::Cod;
    }
}

class GameNames {
    Q_DECLARE_TR_FUNCTIONS(GameNames)

public:
    // "COD 2", "COD 1.3", "COD 1.1", "COD UO"
    static QString of(GameVersion version);
    // "COD 2", "COD", "COD UO"
    static QString of(GameFamily family);
};

#endif // GAMEVERSION_H
