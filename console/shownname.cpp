// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shownname.h"

#include "consolerules.h"

#include <algorithm>

using namespace ConsoleRules;

namespace {

bool isOnlyColorCodes(QStringView name)
{
    for (qsizetype i = 0; i < name.size(); i += 2) {
        if (!startsColorCode(name, i))
            return false;
    }
    return true;
}

bool isDroppedCode(QStringView name, qsizetype i, QStringView droppedDigits)
{
    if (name[i] != u'^' || i + 1 == name.size())
        return false;
    for (const QChar digit : droppedDigits) {
        if (name[i + 1] == digit)
            return true;
    }
    return false;
}

bool needsCleaning(QStringView name, QStringView droppedDigits)
{
    if (name.startsWith(u' ') || name.endsWith(u'^'))
        return true;
    qsizetype spaces = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (c == u' ') {
            if (++spaces > spacesInARow)
                return true;
            continue;
        }
        spaces = 0;
        // Letters and most signs need nothing: what the game removes is at '^' or below.
        if (c > u'^')
            continue;
        if (c == u'^' ? isDroppedCode(name, i, droppedDigits) : isRemovedFromNames(c))
            return true;
    }
    return false;
}

QString cleanedName(const QString &name, GameVersion game)
{
    const QStringView droppedDigits = rulesOf(game).droppedCodeDigits;
    // Most names need nothing removed: they are kept, not copied.
    if (!needsCleaning(name, droppedDigits))
        return name;

    QString cleaned(name.size(), Qt::Uninitialized);
    QChar *const begin = cleaned.data();
    QChar *out = begin;
    qsizetype spaces = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        if (isRemovedFromNames(c.unicode()))
            continue;
        if (isDroppedCode(name, i, droppedDigits)) {
            ++i;
            continue;
        }
        spaces = c == u' ' ? spaces + 1 : 0;
        if (c == u' ' && (out == begin || spaces > spacesInARow))
            continue;
        *out++ = c;
    }
    cleaned.truncate(out - begin);
    if (cleaned.endsWith(u'^'))
        cleaned.chop(1);
    return cleaned;
}

QStringList removedCharactersIn(QStringView name)
{
    QStringList removed;
    for (const char16_t c : removedFromNames) {
        if (name.contains(QChar(c)))
            removed << QString(QChar(c));
    }
    return removed;
}

} // namespace

ShownName ShownName::of(const QString &name, GameVersion game)
{
    ShownName result;
    result.cleaned = cleanedName(name, game);
    result.shown = result.cleaned;
    if (result.shown.size() > nameBytes) {
        // A code that the cut would split goes whole.
        qsizetype i = 0;
        while (i < nameBytes)
            i += startsColorCode(result.shown, i) ? 2 : 1;
        result.shown.truncate(i > nameBytes ? i - 2 : nameBytes);
        result.cutOff = result.cleaned.sliced(result.shown.size());
    }
    if (isOnlyColorCodes(result.shown))
        result.shown = unnamedPlayer.toString();
    // A name kept whole lost nothing.
    if (result.cleaned.size() != name.size())
        result.removed = removedCharactersIn(name);
    return result;
}
