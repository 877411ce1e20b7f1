// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef COLORRUNS_H
#define COLORRUNS_H

#include <QList>
#include <QString>

#include <array>

// A color as the game draws it, 0xRRGGBB: QColor takes it as it is.
using GameColor = quint32;

// A stretch of a player name that the game shows in one color.
struct ColorRun {
    QString text;
    GameColor color;

    friend bool operator==(const ColorRun &, const ColorRun &) = default;
};

// The colors the game shows for the codes ^0 to ^9.
using GamePalette = std::array<GameColor, 10>;

// The game's palette; ^8 and ^9 show as their swatch colors.
GamePalette gamePalette();

// Splits a name into the runs the game shows: text before any code is white; a color code (see
// ConsoleRules::startsColorCode) is not shown and colors what follows; a caret that starts no code
// is shown as it is.
// Codes that show nothing leave no run; neighbours of one color make one run.
QList<ColorRun> colorRuns(QStringView name, const GamePalette &palette = gamePalette());

// The color the game shows for the code of digit ('0' to '9').
GameColor gameColor(QChar digit);

#endif // COLORRUNS_H
