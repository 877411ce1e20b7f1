// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scriptchecker.h"

#include "consolerules.h"
#include "shownname.h"

#include <QStringList>

#include <algorithm>

namespace {

// "line 4", "lines 1, 4 and 7"
QString linesList(const QList<int> &lines)
{
    QStringList numbers;
    for (int line : lines)
        numbers << QString::number(line);
    const QString last = numbers.takeLast();
    if (numbers.isEmpty())
        return ScriptChecker::tr("line %1").arg(last);
    return ScriptChecker::tr("lines %1 and %2").arg(numbers.join(u", "), last);
}

} // namespace

ScriptCheck ScriptChecker::check(QStringView script, int framesPerSecond)
{
    ScriptCheck checked { runScript(script), {} };
    addWarnings(checked.run, {}, framesPerSecond, checked.warnings);
    if (checked.run.end == ConsoleRun::End::Finished) {
        for (const KeyBinding &binding : checked.run.finalBindings()) {
            const ConsoleRun pressed
                = runScript(script, { KeyPress { checked.run.endTick + 1, binding.key } });
            addWarnings(pressed, binding.key, framesPerSecond, checked.warnings);
        }
    }
    std::ranges::stable_sort(checked.warnings, {}, &ScriptWarning::line);
    return checked;
}

void ScriptChecker::addWarnings(const ConsoleRun &run, const QString &pressedKey,
    int framesPerSecond, QList<ScriptWarning> &warnings)
{
    using Kind = ScriptWarning::Kind;
    const auto add = [&warnings](ScriptWarning warning) {
        if (!warnings.contains(warning))
            warnings << warning;
    };

    if (run.loop) {
        QList<int> lines = run.loop->lines;
        std::ranges::sort(lines);
        const QString cycle = run.loop->periodTicks > 0
            ? tr("an endless loop (%1): it repeats every %2, for ever. The game would stop "
                 "answering keys and the console until it is restarted. Let the last step set "
                 "the resting name without another vstr, or step through the frames with a "
                 "bound key.")
                  .arg(linesList(lines), time(run.loop->periodTicks, framesPerSecond))
            : tr("an endless loop without a wait (%1): the game would freeze. Put a wait in the "
                 "loop and let its last step end it.")
                  .arg(linesList(lines));
        const QString text = pressedKey.isEmpty()
            ? tr("The script runs %1").arg(cycle)
            : tr("Pressing %1 starts %2").arg(pressedKey, cycle);
        add({ Kind::EndlessLoop, lines.first(), text, {} });
    }
    for (int line : run.negativeWaitLines) {
        add({ Kind::NegativeWait, line,
            tr("A wait with a negative number stops the rest of the script for good (some "
               "versions of the game wait one tick instead). Use a positive number of ticks."),
            {} });
    }
    for (const RunTogether &together : run.runTogether) {
        add({ Kind::RunTogether, together.line,
            tr("Two commands run together on one line: the game sets the whole \"%1\" as one "
               "value. Put \"%2\" on a line of its own.")
                .arg(together.value, together.second),
            together.column });
    }
    for (const NameChange &change : run.nameChanges) {
        const QString cleaned = cleanedName(change.name);
        if (cleaned.size() > ConsoleRules::nameBytes) {
            add({ Kind::LongName, change.line,
                tr("The name \"%1\" takes %2 bytes; the game keeps %3 and cuts off \"%4\". Use "
                   "fewer letters or color codes.")
                    .arg(cleaned, QString::number(cleaned.size()),
                        QString::number(ConsoleRules::nameBytes),
                        cleaned.sliced(ConsoleRules::nameBytes)),
                {} });
        }
        QStringList removed;
        for (const char16_t c : ConsoleRules::removedFromNames) {
            if (change.name.contains(QChar(c)))
                removed << QString(QChar(c));
        }
        if (!removed.isEmpty()) {
            add({ Kind::RemovedCharacters, change.line,
                tr("The game removes %1 from names: this one shows as \"%2\". Leave them out.")
                    .arg(removed.join(u' '), change.shown),
                {} });
        }
    }
    if (run.scriptTooLong) {
        add({ Kind::LongScript, 1,
            tr("The script takes %1 bytes or more, more than the game's command buffer holds: "
               "exec runs none of it. Move part of it into a second script and exec that from "
               "this one.")
                .arg(ConsoleRules::bufferBytes),
            {} });
    }
    for (int line : run.cutCommandLines) {
        add({ Kind::LongCommand, line,
            tr("A command here is longer than %1 bytes: the game cuts it there, loses the next "
               "byte and runs the rest as a command of its own. Split it into shorter commands.")
                .arg(ConsoleRules::commandBytes),
            {} });
    }
    for (const auto &[line, name] : run.unsetVariables) {
        add({ Kind::UnsetVariable, line,
            tr("vstr %1 runs a variable that is not set at that moment, so nothing happens. Set "
               "%1 before this line, or check its spelling.")
                .arg(name),
            {} });
    }
}

QString ScriptChecker::describe(const ScriptWarning &warning)
{
    return tr("line %1: %2").arg(warning.line).arg(warning.text);
}

QString ScriptChecker::noWarnings() { return tr("No warnings: the script runs as written."); }

QString ScriptChecker::time(qint64 tick, int framesPerSecond)
{
    return tr("%1 s (%2 ticks)").arg(secondsOfTicks(tick, framesPerSecond), 0, 'f', 2).arg(tick);
}

QString ScriptChecker::report(const ScriptCheck &check, int framesPerSecond)
{
    QString text;
    const auto item = [&text](const QString &line) { text += QLatin1String("  ") + line + u'\n'; };
    text += tr("Names at %1 frames per second:").arg(framesPerSecond) + u'\n';
    if (check.run.nameChanges.isEmpty())
        item(tr("The script sets no name."));
    for (const NameChange &change : check.run.nameChanges) {
        item(tr("%1, line %2: %3")
                 .arg(time(change.tick, framesPerSecond))
                 .arg(change.line)
                 .arg(change.shown));
    }
    if (check.run.loop)
        item(tr("... and so on for ever."));
    text += tr("Warnings:") + u'\n';
    if (check.warnings.isEmpty())
        item(noWarnings());
    for (const ScriptWarning &warning : check.warnings)
        item(describe(warning));
    return text;
}
