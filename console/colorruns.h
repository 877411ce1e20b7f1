// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef COLORRUNS_H
#define COLORRUNS_H

#include <QList>
#include <QString>

#include <array>
#include <span>

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

// The game's palette, ^8 in the first allies' team color (see teamPalette()).
GamePalette gamePalette();

// Splits a name into the runs the game shows: text before any code is white; a color code (see
// ConsoleRules::startsColorCode) is not shown and colors what follows; a caret that starts no code
// is shown as it is.
// Codes that show nothing leave no run; neighbours of one color make one run.
QList<ColorRun> colorRuns(QStringView name, const GamePalette &palette = gamePalette());

// The character after each color code's caret, in the order the name holds them.
QString colorCodesIn(QStringView name);
// The color code ("^1") in force at position at of the name: the last that starts before it,
// "^7" (white) before any.
QString colorCodeInForce(QStringView name, qsizetype at);

// In COD 2, ^8 shows in the allied team's color, which depends on its nation, and ^9 in the axis
// team's: the games' stock team colors.
struct AlliedNation {
    const char *name; // for QCoreApplication::translate("ColorCodes", name)
    GameColor color;
};
std::span<const AlliedNation> alliedNations();
constexpr GameColor axisColor = 0x999999;
// The game's palette with ^8 and ^9 in the team colors of these allies.
GamePalette teamPalette(const AlliedNation &allies);

// The color the game shows for a digit's code, in words.
QString colorCodeName(QChar digit);
// What the game does with a color code that its swatch does not show: ^6's color, the team
// colors of ^8 and ^9, ^0 removed; empty for the others.
QString aboutColorCode(QChar digit);

#endif // COLORRUNS_H
