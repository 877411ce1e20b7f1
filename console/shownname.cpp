#include "shownname.h"

#include "consolerules.h"

#include <algorithm>

QString cleanedName(QStringView name)
{
    while (!name.isEmpty() && name.front() == u' ')
        name = name.sliced(1);
    QString cleaned;
    cleaned.reserve(name.size());
    for (const QChar c : name) {
        if (std::ranges::find(ConsoleRules::removedFromNames, c.unicode())
            == ConsoleRules::removedFromNames.end())
            cleaned += c;
    }
    return cleaned;
}

bool isOnlyColorCodes(QStringView name)
{
    for (qsizetype i = 0; i < name.size(); i += 2) {
        if (name[i] != u'^' || i + 1 == name.size() || name[i + 1] < u'0' || name[i + 1] > u'9')
            return false;
    }
    return true;
}

QString shownName(QStringView name)
{
    QString shown = cleanedName(name);
    shown.truncate(ConsoleRules::nameBytes);
    if (isOnlyColorCodes(shown))
        return ConsoleRules::unnamedPlayer.toString();
    return shown;
}
