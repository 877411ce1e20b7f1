// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GAMECONFIGS_H
#define GAMECONFIGS_H

#include "gamefinder.h"
#include "gamelanguage.h"
#include "console/gameversion.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct ConsoleRun;

// The configs a game keeps in its own folder and what they tell of the player's game: the
// language of its edition and the frame rate it runs at.
namespace GameConfigs {

// Where the games keep the player's settings, name included, in their own folder: COD 2 in a
// folder for each player profile, COD in main itself, United Offensive in uoconfig_mp.cfg in uo
// (com_config.c of coduomp).
QStringList in(GameFamily family, const QString &folder);
// The edition whose own folder this is: the language its config keeps (loc_language), in
// configFolder first when given, or else the one of its localized archives.
std::optional<GameLanguage> editionOf(const QString &mainFolder, const QString &configFolder = {});
// The edition of the first of the games that tells its language.
std::optional<GameLanguage> firstEditionOf(const QList<GameInstall> &games);
// The com_maxfps a config's run leaves, if it sets one.
std::optional<int> maxFpsSetBy(const ConsoleRun &run);
// The com_maxfps that the configs in folder set, if it is a game's own folder and they set one.
std::optional<int> maxFpsIn(const QString &folder);

} // namespace GameConfigs

#endif // GAMECONFIGS_H
