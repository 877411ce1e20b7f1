// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setnameline.h"

#include "consolerun.h"

using namespace Qt::StringLiterals;

namespace {

// The line sets exactly this name and runs nothing else.
bool setsOnly(const ConsoleRun &run, const QString &name)
{
    return run.commandsRun == 1 && run.nameChanges.size() == 1
        && run.nameChanges.first().name == name;
}

} // namespace

SetNameLine SetNameLine::forName(const QString &commandWord, const QString &name)
{
    const QString plain = commandWord + u' ' + name;
    // An empty name is handed on as it is: there is nothing to set yet.
    if (name.isEmpty())
        return { name, plain, {} };
    const ConsoleRun run = runScript(plain);
    if (setsOnly(run, name))
        return { name, plain, {} };
    // A name typed in quotes is the quoting itself: the game drops them and sets what is inside.
    if (name.size() > 2 && name.startsWith(u'"') && name.endsWith(u'"')
        && setsOnly(run, name.sliced(1, name.size() - 2)))
        return { name, plain, {} };
    // Quotes keep what the console would split, merge or take for a comment; a name that would
    // run a command or end the quotes is refused instead.
    if (!name.contains(u';') && !name.contains(u'"')) {
        const QString quoted = commandWord + u" \""_s + name + u'"';
        if (setsOnly(runScript(quoted), name))
            return { name, quoted, {} };
    }

    QStringList others;
    for (const RecordedCommand &command : run.recorded)
        others << command.text.trimmed();
    const QString set = run.nameChanges.isEmpty() ? QString() : run.nameChanges.first().name;
    QString refusal;
    if (set.isEmpty())
        refusal = tr("The game would not set the name");
    else
        refusal = tr("The game would set the name to %1").arg(set);
    if (!others.isEmpty())
        refusal += tr(" and then run: %1").arg(others.join(u"; "_s));
    else if (!set.isEmpty())
        refusal += tr(", not to %1").arg(name);
    return { name, plain, refusal };
}

std::optional<QString> SetNameLine::nameSetBy(QStringView line, GameVersion game)
{
    const ConsoleRun run = runScript(line, {}, game);
    if (run.nameChanges.isEmpty())
        return std::nullopt;
    return run.nameChanges.constLast().name;
}
