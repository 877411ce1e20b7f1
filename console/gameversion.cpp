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
        break;
    }
    return of(GameFamily::Cod2);
}

QString GameNames::of(GameFamily family)
{
    return family == GameFamily::Cod2 ? tr("COD 2") : tr("COD");
}
