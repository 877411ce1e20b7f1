// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scriptchecker.h"

#include "consolerules.h"
#include "shownname.h"

#include <QStringList>

#include <algorithm>
#include <optional>

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

// The edits between two words, an exchange of neighbours counting one, in any case.
qsizetype editsBetween(QStringView a, QStringView b)
{
    QList<QList<qsizetype>> d(a.size() + 1, QList<qsizetype>(b.size() + 1));
    for (qsizetype i = 0; i <= a.size(); ++i)
        d[i][0] = i;
    for (qsizetype j = 0; j <= b.size(); ++j)
        d[0][j] = j;
    for (qsizetype i = 1; i <= a.size(); ++i) {
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const bool same = a[i - 1].toLower() == b[j - 1].toLower();
            d[i][j] = std::min({ d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + !same });
            if (i > 1 && j > 1 && a[i - 1].toLower() == b[j - 2].toLower()
                && a[i - 2].toLower() == b[j - 1].toLower())
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

// The word of the list that word is a misspelling of: one edit away, two for longer words.
std::optional<QString> misspelled(QStringView word, std::initializer_list<QStringView> list)
{
    if (ConsoleRules::isOneOf(word, list))
        return std::nullopt;
    const qsizetype allowed = word.size() <= 4 ? 1 : 2;
    for (QStringView known : list) {
        if (editsBetween(word, known) <= allowed)
            return known.toString();
    }
    return std::nullopt;
}

QString whatEndsTheSession(QStringView command)
{
    using ConsoleRules::isWord;
    if (isWord(command, u"quit"))
        return ScriptChecker::tr("closes the game");
    if (isWord(command, u"unbindall"))
        return ScriptChecker::tr("removes every key binding, moving and firing included");
    if (isWord(command, u"cvar_restart"))
        return ScriptChecker::tr("puts every setting back to its default");
    if (isWord(command, u"killserver"))
        return ScriptChecker::tr("shuts the server down");
    return ScriptChecker::tr("leaves the server the player is on");
}

} // namespace

QStringList ScriptChecker::namesOfPresses(
    QStringView script, const ConsoleRun &run, const QString &key)
{
    // Presses far apart, each after what the one before started; the list ends where the names
    // come round again.
    constexpr int presses = 12;
    constexpr qint64 apart = 100'000;
    QList<KeyPress> pressing;
    for (int i = 0; i < presses; ++i)
        pressing << KeyPress { run.endTick + 1 + i * apart, key };
    const ConsoleRun pressed = runScript(script, pressing, run.game);
    QStringList names;
    for (const NameChange &change : pressed.nameChanges) {
        if (change.tick <= run.endTick)
            continue;
        if (!names.isEmpty() && change.shown == names.first() && names.size() > 1) {
            names << tr("and so on");
            break;
        }
        names << change.shown;
    }
    return names;
}

ScriptCheck ScriptChecker::check(
    QStringView script, int framesPerSecond, GameVersion game)
{
    ScriptCheck checked { runScript(script, {}, game), {}, {} };
    addWarnings(checked.run, {}, 0, framesPerSecond, checked.warnings);
    if (checked.run.end == ConsoleRun::End::Finished) {
        for (const KeyBinding &binding : checked.run.finalBindings()) {
            const qint64 pressedAt = checked.run.endTick + 1;
            const ConsoleRun pressed
                = runScript(script, { KeyPress { pressedAt, binding.key } }, game);
            addWarnings(pressed, binding.key, pressedAt, framesPerSecond, checked.warnings);
            checked.keyNames << std::pair { binding.key,
                namesOfPresses(script, checked.run, binding.key) };
        }
    }
    std::ranges::stable_sort(checked.warnings, {}, &ScriptWarning::line);
    return checked;
}

void ScriptChecker::addWarnings(const ConsoleRun &run, const QString &pressedKey, qint64 pressedAt,
    int framesPerSecond, QList<ScriptWarning> &warnings)
{
    using Kind = ScriptWarning::Kind;
    const ConsoleRules::GameRules rules = ConsoleRules::rulesOf(run.game);
    const auto add = [&warnings](ScriptWarning warning) {
        if (!warnings.contains(warning))
            warnings << warning;
    };
    // The same warning on each of these lines.
    const auto addOnLines = [&add](const QList<int> &lines, Kind kind, const QString &text) {
        for (int line : lines)
            add({ kind, line, text, {} });
    };

    if (run.loop) {
        QList<int> lines = run.loop->lines;
        std::ranges::sort(lines);
        // A loop without a wait fills the buffer instead: every endless loop waits.
        const QString cycle
            = tr("an endless loop (%1): it repeats every %2, for ever. The game would stop "
                 "answering keys and the console until it is restarted. Let the last step set "
                 "the resting name without another vstr, or step through the frames with a "
                 "bound key.")
                  .arg(linesList(lines), time(run.loop->periodTicks, framesPerSecond));
        const QString text = pressedKey.isEmpty()
            ? tr("The script runs %1").arg(cycle)
            : tr("Pressing %1 starts %2").arg(pressedKey, cycle);
        add({ Kind::EndlessLoop, lines.first(), text, {} });
    }
    addOnLines(run.negativeWaitLines, Kind::NegativeWait,
        tr("A wait with a negative number stops the rest of the script for good (some "
           "versions of the game wait one tick instead). Use a positive number of ticks."));
    for (const RunTogether &together : run.runTogether) {
        add({ Kind::RunTogether, together.line,
            tr("Two commands run together on one line: the game sets the whole \"%1\" as one "
               "value. Put \"%2\" on a line of its own.")
                .arg(together.value, together.second),
            together.column });
    }
    for (const NameChange &change : run.nameChanges) {
        // Most names show as set: nothing to say about them.
        if (change.shown == change.name)
            continue;
        const ShownName shown = ShownName::of(change.name, run.game);
        if (!shown.cutOff.isEmpty()) {
            add({ Kind::LongName, change.line,
                tr("The name \"%1\" takes %2 bytes; the game keeps %3 and cuts off \"%4\". Use "
                   "fewer letters or color codes.")
                    .arg(shown.cleaned, QString::number(shown.bytes()),
                        QString::number(ConsoleRules::nameBytes), shown.cutOff),
                {} });
        }
        if (!shown.removed.isEmpty()) {
            add({ Kind::RemovedCharacters, change.line,
                tr("The game removes %1 from names: this one shows as \"%2\". Leave them out.")
                    .arg(shown.removed.join(u' '), change.shown),
                {} });
        }
    }
    if (run.scriptTooLong) {
        add({ Kind::LongScript, 1,
            tr("The script takes %1 bytes or more, more than the game's command buffer holds: "
               "exec runs none of it. Move part of it into a second script and exec that from "
               "this one.")
                .arg(rules.bufferBytes),
            {} });
    }
    addOnLines(run.cutCommandLines, Kind::LongCommand,
        tr("A command here is longer than %1 bytes: the game cuts it there, loses the next "
           "byte and runs the rest as a command of its own. Split it into shorter commands.")
            .arg(rules.commandBytes));
    const QString whenPressed
        = pressedKey.isEmpty() ? QString() : tr("When %1 is pressed: ").arg(pressedKey);
    for (const RecordedCommand &command : run.recorded) {
        // What ran before the key was pressed is the script's own, warned about without it.
        if (command.tick < pressedAt)
            continue;
        const QStringView verb = command.verb;
        if ((verb.startsWith(u'/') || verb.startsWith(u'\\'))
            && ConsoleRules::isOneOf(verb.sliced(1), ConsoleRules::engineCommands)) {
            add({ Kind::LeadingSlash, command.line,
                whenPressed
                    + tr("\"%1\": a leading %2 works only when typed in the console; in a script "
                         "the game knows no such command. Write \"%3\".")
                          .arg(verb, verb.first(1), verb.sliced(1)),
                {} });
        } else if (ConsoleRules::isOneOf(verb, ConsoleRules::sessionCommands)) {
            add({ Kind::SessionCommand, command.line,
                whenPressed
                    + tr("%1 %2 when the script runs it. Leave it out of a name script.")
                          .arg(verb, whatEndsTheSession(verb)),
                {} });
        } else if (const auto meant = misspelled(verb, ConsoleRules::engineCommands)) {
            add({ Kind::UnknownCommand, command.line,
                whenPressed
                    + tr("The game has no command \"%1\": it sends the line to the server "
                         "instead, which shows it as chat or ignores it. Did you mean \"%2\"?")
                          .arg(verb, *meant),
                {} });
        }
    }
    for (const auto &[line, name] : run.variablesSet) {
        if (run.variablesRead.contains(name.toLower()))
            continue;
        if (const auto meant = misspelled(name, ConsoleRules::knownVariables)) {
            add({ Kind::UnknownVariable, line,
                tr("This sets \"%1\", which nothing reads. Did you mean \"%2\"?").arg(name, *meant),
                {} });
        }
    }
    addOnLines(run.highByteLines, Kind::HighBytes,
        tr("A character such as \u00e9 or \u20ac outside quotes splits the words here: the "
           "game drops it and keeps the words around it apart. Put the value in quotes."));
    addOnLines(run.commentThatRunsLines, Kind::CommentThatRuns,
        tr("This line starts as a comment, but the game still runs what follows a ';' on "
           "it. Take out the ';' or start the rest with // too."));
    addOnLines(run.bufferFills, Kind::BufferFilled,
        tr("This vstr runs again and again without a wait until it fills the game's "
           "command buffer of %1 bytes: the game hangs for a moment while it does, then "
           "the vstr fails and what is left in the buffer runs. Put a wait in the loop.")
            .arg(rules.bufferBytes));
    addOnLines(run.longValueLines, Kind::LongValue,
        tr("The variable set here holds more than %1 bytes: vstr runs only its first %1. "
           "Split it into two variables.")
            .arg(ConsoleRules::vstrValueBytes));
    if (run.end == ConsoleRun::End::CommandBound || run.end == ConsoleRun::End::TickBound) {
        add({ Kind::ModelBound, run.lastLine,
            whenPressed
                + tr("The check stopped here after %1 commands and %2 without reaching the end: "
                     "it cannot tell what the rest does in the game.")
                      .arg(run.commandsRun)
                      .arg(time(run.endTick, framesPerSecond)),
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
    text += tr("Names in %1 at com_maxfps %2, frames of %3 ms, %4 frames a second:")
                .arg(GameNames::of(check.run.game))
                .arg(framesPerSecond)
                .arg(ConsoleRules::frameMilliseconds(framesPerSecond))
                .arg(framesPerSecondOf(framesPerSecond), 0, 'f', 1)
        + u'\n';
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
    if (!check.keyNames.isEmpty()) {
        text += tr("Keys it binds, and the names their presses show:") + u'\n';
        for (const auto &[key, names] : check.keyNames) {
            item(tr("%1: %2").arg(key, names.isEmpty() ? tr("no name") : names.join(u", "_qs)));
        }
    }
    text += tr("Warnings:") + u'\n';
    if (check.warnings.isEmpty())
        item(noWarnings());
    for (const ScriptWarning &warning : check.warnings)
        item(describe(warning));
    return text;
}
