// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gameversion.h"

QString GameNames::of(GameVersion version)
{
    switch (version) {
    case GameVersion::Cod11:
        return tr("COD 1.1");
    case GameVersion::Cod13:
        return tr("COD 1.3");
    case GameVersion::Cod2:
    case GameVersion::CodUo:
        break;
    }
    return of(familyOf(version));
}

QString GameNames::of(GameFamily family)
{
    switch (family) {
    case GameFamily::Cod:
        return tr("COD");
    case GameFamily::CodUo:
        return tr("COD UO");
    case GameFamily::Cod2:
        break;
    }
    return tr("COD 2");
}
