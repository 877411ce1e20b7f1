// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colorruns.h"

#include "consolerules.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

// ^6 is magenta in the games, though its swatch is dark red; ^8 and ^9 follow the team colors,
// set apart by teamPalette().
constexpr GamePalette basePalette()
{
    return {
        0x000000,
        0xff0000,
        0x00ff00,
        0xffff00,
        0x0000ff,
        0x00ffff,
        0xff00ff,
        0xffffff,
        0x800080,
        0x808080,
    };
}

} // namespace

GamePalette gamePalette() { return teamPalette(alliedNations().front()); }

namespace {

// The palette entry of the character after a code's caret, as COD 2's ColorIndex gives it: a
// digit's own, white for the letters and signs players write (ColorIndex in
// voron00/CoD2rev_Server src/universal/q_shared.cpp).
qsizetype paletteIndex(QChar code)
{
    constexpr qsizetype white = 7;
    return ConsoleRules::isCodeDigit(code) ? code.unicode() - u'0' : white;
}

} // namespace

QList<ColorRun> colorRuns(QStringView name, const GamePalette &palette)
{
    QList<ColorRun> runs;
    GameColor color = 0xffffff;
    qsizetype runStart = 0;
    const auto endRun = [&](qsizetype end) {
        if (end == runStart)
            return;
        const QStringView text = name.sliced(runStart, end - runStart);
        if (!runs.isEmpty() && runs.last().color == color)
            runs.last().text += text;
        else
            runs.append({ text.toString(), color });
    };

    for (qsizetype i = 0; i < name.size(); ++i) {
        if (ConsoleRules::startsColorCode(name, i)) {
            endRun(i);
            color = palette[paletteIndex(name[i + 1])];
            runStart = ++i + 1;
        }
    }
    endRun(name.size());
    return runs;
}

QString colorCodesIn(QStringView name)
{
    QString codes;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (ConsoleRules::startsColorCode(name, i))
            codes += name[++i];
    }
    return codes;
}

QString colorCodeInForce(QStringView name, qsizetype at)
{
    QString code = u"^7"_s;
    for (qsizetype i = 0; i + 1 < at; ++i) {
        if (ConsoleRules::startsColorCode(name, i))
            code = name.sliced(i++, 2).toString();
    }
    return code;
}

std::span<const AlliedNation> alliedNations()
{
    static constexpr AlliedNation nations[] = {
        { QT_TRANSLATE_NOOP("ColorCodes", "American"), 0x40bf40 },
        { QT_TRANSLATE_NOOP("ColorCodes", "British"), 0x4040bf },
        { QT_TRANSLATE_NOOP("ColorCodes", "Russian"), 0xbf4040 },
    };
    return nations;
}

GamePalette teamPalette(const AlliedNation &allies)
{
    GamePalette palette = basePalette();
    palette[8] = allies.color;
    palette[9] = axisColor;
    return palette;
}

QString colorCodeName(QChar digit)
{
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("ColorCodes", "black"),
        QT_TRANSLATE_NOOP("ColorCodes", "red"),
        QT_TRANSLATE_NOOP("ColorCodes", "green"),
        QT_TRANSLATE_NOOP("ColorCodes", "yellow"),
        QT_TRANSLATE_NOOP("ColorCodes", "blue"),
        QT_TRANSLATE_NOOP("ColorCodes", "cyan"),
        QT_TRANSLATE_NOOP("ColorCodes", "magenta"),
        QT_TRANSLATE_NOOP("ColorCodes", "white"),
        QT_TRANSLATE_NOOP("ColorCodes", "the allied team's color"),
        QT_TRANSLATE_NOOP("ColorCodes", "the axis team's grey"),
    };
    return QCoreApplication::translate("ColorCodes", names[digit.unicode() - u'0']);
}

QString aboutColorCode(QChar digit)
{
    switch (digit.unicode()) {
    case u'6':
        return QCoreApplication::translate(
            "ColorCodes", "The game shows ^6 magenta; its swatch is dark red.");
    case u'8':
        return QCoreApplication::translate("ColorCodes",
            "In COD 2, ^8 shows in the allied team's color (green for the Americans, blue for "
            "the British, red for the Russians); COD removes it.");
    case u'9':
        return QCoreApplication::translate("ColorCodes", "^9 shows in the axis team's grey.");
    case u'0':
        return QCoreApplication::translate("ColorCodes", "The game removes ^0 from names.");
    }
    return {};
}
