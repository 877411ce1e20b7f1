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

bool needsCleaning(QStringView name)
{
    return name.startsWith(u' ') || name.endsWith(u'^') || name.contains(droppedCode)
        || name.contains(QString(spacesInARow + 1, u' '))
        || std::ranges::any_of(name, [](QChar c) { return isRemovedFromNames(c.unicode()); });
}

} // namespace

QString cleanedName(const QString &name)
{
    // Most names need nothing removed: they are kept, not copied.
    if (!needsCleaning(name))
        return name;

    QString cleaned;
    cleaned.reserve(name.size());
    qsizetype spaces = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        if (isRemovedFromNames(c.unicode()))
            continue;
        if (QStringView(name).sliced(i).startsWith(droppedCode)) {
            ++i;
            continue;
        }
        spaces = c == u' ' ? spaces + 1 : 0;
        if (c == u' ' && (cleaned.isEmpty() || spaces > spacesInARow))
            continue;
        cleaned += c;
    }
    if (cleaned.endsWith(u'^'))
        cleaned.chop(1);
    return cleaned;
}

QString shownName(const QString &name)
{
    QString shown = cleanedName(name);
    if (shown.size() > nameBytes) {
        // A code that the cut would split goes whole.
        qsizetype i = 0;
        while (i < nameBytes)
            i += startsColorCode(shown, i) ? 2 : 1;
        shown.truncate(i > nameBytes ? i - 2 : nameBytes);
    }
    if (isOnlyColorCodes(shown))
        return unnamedPlayer.toString();
    return shown;
}
