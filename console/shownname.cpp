// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shownname.h"

#include "consolerules.h"

#include <algorithm>

namespace {

bool isOnlyColorCodes(QStringView name)
{
    for (qsizetype i = 0; i < name.size(); i += 2) {
        if (name[i] != u'^' || i + 1 == name.size() || !ConsoleRules::isCodeDigit(name[i + 1]))
            return false;
    }
    return true;
}

} // namespace

QString cleanedName(const QString &name)
{
    // Most names need nothing removed: they are kept, not copied.
    const bool removes = name.startsWith(u' ') || std::ranges::any_of(name, [](QChar c) {
        return ConsoleRules::isRemovedFromNames(c.unicode());
    });
    if (!removes)
        return name;

    QStringView kept(name);
    while (!kept.isEmpty() && kept.front() == u' ')
        kept = kept.sliced(1);
    QString cleaned;
    cleaned.reserve(kept.size());
    for (const QChar c : kept) {
        if (!ConsoleRules::isRemovedFromNames(c.unicode()))
            cleaned += c;
    }
    return cleaned;
}

QString shownName(const QString &name)
{
    QString shown = cleanedName(name);
    shown.truncate(ConsoleRules::nameBytes);
    if (isOnlyColorCodes(shown))
        return ConsoleRules::unnamedPlayer.toString();
    return shown;
}
