// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scriptchecker.h"

#include "consolerules.h"
#include "gamewords.h"
#include "scriptcommands.h"
#include "shownname.h"

#include <QHash>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

// "line 4", "lines 1, 4 and 7"
QString linesList(const QList<int> &lines)
{
    // A long list names its first lines: the rest are alike, and the player window has them all.
    constexpr qsizetype named = 8;
    QStringList numbers;
    for (int line : lines.first(std::min(named, lines.size())))
        numbers << QString::number(line);
    if (lines.size() > named)
        return ScriptChecker::tr("lines %1 and %n more", nullptr, int(lines.size() - named))
            .arg(numbers.join(u", "));
    const QString last = numbers.takeLast();
    if (numbers.isEmpty())
        return ScriptChecker::tr("line %1").arg(last);
    return ScriptChecker::tr("lines %1 and %2").arg(numbers.join(u", "), last);
}

// The file exec runs for a name: Cmd_Exec_f adds ".cfg" to a name without an extension
// (Com_DefaultExtension, which looks back to the last '/').
QString execFileName(const QString &name)
{
    const QStringView file = QStringView(name).sliced(name.lastIndexOf(u'/') + 1);
    return file.contains(u'.') ? name : name + u".cfg"_qs;
}

// The first server setting the script sets or runs, as it writes it.
QString serverSettingIn(const ScriptCommands &split)
{
    for (const ScriptCommand &command : split.commands) {
        const CommandWords &words = command.words;
        const bool sets = ConsoleRules::isOneOf(words.first(), ConsoleRules::setCommands);
        const QStringView setting = sets && words.size() > 1 ? words[1] : words.first();
        if (ConsoleRules::isOneOf(setting, ConsoleRules::serverSettings))
            return setting.toString();
    }
    return {};
}

// A misspelt word is said once, at its first line, however often the script writes it.
void sayMisspellingsOnce(QList<ScriptWarning> &warnings)
{
    QSet<QString> said;
    warnings.removeIf([&said](const ScriptWarning &warning) {
        if (warning.kind != ScriptWarning::Kind::UnknownCommand
            && warning.kind != ScriptWarning::Kind::UnknownVariable)
            return false;
        if (said.contains(warning.text))
            return true;
        said.insert(warning.text);
        return false;
    });
}

// The same warning on consecutive lines, said once for all of them.
void mergeConsecutiveLines(QList<ScriptWarning> &warnings)
{
    QHash<std::pair<int, QString>, qsizetype> last; // the warning that says it, by kind and text
    QList<ScriptWarning> merged;
    for (const ScriptWarning &warning : std::as_const(warnings)) {
        const std::pair key { int(warning.kind), warning.text };
        if (const auto kept = last.constFind(key); kept != last.cend()) {
            ScriptWarning &earlier = merged[*kept];
            if (std::max(earlier.line, earlier.throughLine) + 1 == warning.line
                && !warning.splitColumn) {
                earlier.throughLine = warning.line;
                continue;
            }
        }
        last.insert(key, merged.size());
        merged << warning;
    }
    warnings = merged;
}

// One word of letters, digits and signs, as a player name is: not a command or a list of them.
bool looksLikeAName(QStringView value)
{
    return !value.isEmpty() && !value.startsWith(u'+') && !value.startsWith(u'-')
        && std::ranges::none_of(value, [](QChar c) { return c == u' ' || c == u';'; });
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

QStringList ScriptChecker::namesOfPresses(const ScriptSession &session, const QString &key)
{
    // Presses far apart, each after what the one before started; the list ends where the names
    // come round again.
    constexpr int presses = 12;
    constexpr qint64 apart = 100'000;
    const ConsoleRun &run = session.run();
    QList<KeyPress> pressing;
    for (int i = 0; i < presses; ++i)
        pressing << KeyPress { run.endTick + 1 + i * apart, key };
    const ConsoleRun pressed = session.pressing(pressing);
    QStringList names;
    for (const NameChange &change : pressed.nameChanges) {
        if (change.tick <= run.endTick)
            continue;
        if (!names.isEmpty() && change.shown == names.first()) {
            // A key that shows one name shows it at every press.
            if (names.size() > 1)
                names << tr("and so on");
            break;
        }
        names << change.shown;
    }
    return names;
}

ScriptCheck ScriptChecker::check(
    QStringView script, int framesPerSecond, GameVersion game, ConsoleRules::GameServer server)
{
    framesPerSecond = ConsoleRules::maxFpsOn(server.kind, framesPerSecond);
    // Of a script larger than the buffer, the game runs nothing: there is nothing to split.
    const ConsoleRules::GameRules rules = ConsoleRules::rulesOf(game);
    const ScriptCommands split = script.size() < rules.bufferBytes
        ? splitCommands(script, 1, rules.commandBytes)
        : ScriptCommands();
    const ScriptSession session(script, split, game, server.kind);
    ScriptCheck checked { session.run(), {}, {}, {}, {},
        ServerView::of(session.run(), framesPerSecond, server.snapshotsPerSecond), {} };
    // The findings of the script's own run, then of each key it binds pressed once after it.
    struct Findings {
        QString key;
        QList<ScriptFinding> found;
        QStringList variablesSet; // by the press, in lower case
    };
    QList<Findings> runs { { {},
        findingsInTheText(split) + findingsOfTheRun(checked.run, 0, framesPerSecond)
            + findingsOnTheServer(checked.run, checked.server, 0, framesPerSecond),
        {} } };
    // The warning about a comment that runs already names the command it runs.
    QSet<int> commentsThatRun;
    for (const ScriptFinding &finding : std::as_const(runs.first().found)) {
        if (finding.kind == ScriptFinding::Kind::CommentThatRuns
            || finding.kind == ScriptFinding::Kind::BlockCommentThatRuns)
            commentsThatRun.insert(finding.line);
    }
    runs.first().found.removeIf([&commentsThatRun](const ScriptFinding &finding) {
        return finding.kind == ScriptFinding::Kind::UnknownCommand
            && commentsThatRun.contains(finding.line);
    });
    if (checked.run.end == ConsoleRun::End::Finished) {
        for (const KeyBinding &binding : checked.run.finalBindings()) {
            const qint64 pressedAt = checked.run.endTick + 1;
            const ConsoleRun pressed = session.pressing({ KeyPress { pressedAt, binding.key } });
            Findings press { binding.key,
                findingsOfTheRun(pressed, pressedAt, framesPerSecond)
                    + findingsOnTheServer(pressed,
                        ServerView::of(
                            pressed, framesPerSecond, server.snapshotsPerSecond, pressedAt),
                        pressedAt, framesPerSecond),
                {} };
            for (const VariableSet &set : pressed.variablesSet) {
                if (set.tick >= pressedAt)
                    press.variablesSet << set.name.toLower();
            }
            // A key bound to just quit or disconnect is the player's own way out.
            const QString bound = binding.command.trimmed();
            if (ConsoleRules::isWord(bound, u"quit") || ConsoleRules::isWord(bound, u"disconnect"))
                press.found.removeIf([](const ScriptFinding &finding) {
                    return finding.kind == ScriptFinding::Kind::SessionCommand;
                });
            runs << press;
            checked.keyNames << std::pair { binding.key, namesOfPresses(session, binding.key) };
        }
    }
    // The config the game writes sets each variable as the player's scripts named it: any
    // misspelling was made elsewhere, and the variable is the player's own by now.
    if (script.startsWith(ConsoleRules::writtenByTheGame)) {
        for (Findings &run : runs) {
            run.found.removeIf([](const ScriptFinding &finding) {
                return finding.kind == ScriptFinding::Kind::UnknownVariable;
            });
        }
    }
    // A server's config runs what would end a player's session from a name script.
    checked.serverSetting = serverSettingIn(split);
    if (!checked.serverSetting.isEmpty()) {
        for (Findings &run : runs) {
            run.found.removeIf([](const ScriptFinding &finding) {
                return finding.kind == ScriptFinding::Kind::SessionCommand
                    && ConsoleRules::isOneOf(finding.details[0], ConsoleRules::serverCommands);
            });
        }
    }
    // Where wait does nothing, that warning already says that the names come at once.
    for (Findings &run : runs) {
        if (std::ranges::any_of(run.found, [](const ScriptFinding &finding) {
                return finding.kind == ScriptFinding::Kind::WaitIgnored
                    || finding.kind == ScriptFinding::Kind::WaitLoopFreezes;
            }))
            run.found.removeIf([](const ScriptFinding &finding) {
                return finding.kind == ScriptFinding::Kind::NamesSkipped;
            });
    }
    // What goes for every animation is said once, at the first that shows it; a key that steps
    // through names shows one name a press, and says it too.
    const auto isOnce = [](const ScriptFinding &finding) {
        return finding.kind == ScriptFinding::Kind::RoundBasedModes
            || finding.kind == ScriptFinding::Kind::LastNameKept;
    };
    bool saidOnce = false;
    for (Findings &run : runs) {
        if (saidOnce)
            run.found.removeIf(isOnce);
        saidOnce = saidOnce || std::ranges::any_of(run.found, isOnce);
    }
    const auto stepping = std::ranges::find_if(
        checked.keyNames, [](const auto &keyNames) { return keyNames.second.size() >= 2; });
    if (!saidOnce && stepping != checked.keyNames.end()) {
        const QList<KeyBinding> bindings = checked.run.finalBindings();
        const auto binding = std::ranges::find_if(
            bindings, [&](const KeyBinding &bound) { return bound.key == stepping->first; });
        runs.first().found << ScriptFinding { ScriptFinding::Kind::RoundBasedModes, binding->line,
            {}, {}, true }
                           << ScriptFinding { ScriptFinding::Kind::LastNameKept, binding->line, {},
                                  { QString() }, true };
    }
    // Presses carry the console's state from one to the next, as the player window's buttons
    // do: a variable that another key sets is there once that key was pressed.
    for (Findings &run : runs) {
        for (ScriptFinding &finding : run.found) {
            if (finding.kind == ScriptFinding::Kind::Exec
                && !checked.execs.contains(finding.details[1]))
                checked.execs << finding.details[1];
            if (finding.kind != ScriptFinding::Kind::UnsetVariable)
                continue;
            for (const Findings &other : std::as_const(runs)) {
                if (other.key != run.key
                    && other.variablesSet.contains(finding.details[0].toLower())) {
                    finding.kind = ScriptFinding::Kind::UnsetUntilPressed;
                    finding.details << other.key;
                    break;
                }
            }
        }
        addWarnings(run.found, run.key, game, checked.warnings, checked.notes);
    }
    std::ranges::stable_sort(checked.warnings, {}, &ScriptWarning::line);
    std::ranges::stable_sort(checked.notes, {}, &ScriptWarning::line);
    sayMisspellingsOnce(checked.warnings);
    mergeConsecutiveLines(checked.warnings);
    return checked;
}

QList<ScriptFinding> ScriptChecker::findingsInTheText(const ScriptCommands &split)
{
    using Kind = ScriptFinding::Kind;
    using ConsoleRules::isOneOf;
    // Every line of the script, also those the run never reaches.
    QList<ScriptFinding> found;
    for (const ScriptCommand &command : split.commands) {
        // Most commands are fine: their text is copied only for a finding that quotes it.
        const auto text = [&command] { return command.text.trimmed().toString(); };
        if (command.splitAtHighByte)
            found << ScriptFinding { Kind::HighBytes, command.line, {}, {} };
        if (command.afterComment)
            found << ScriptFinding { Kind::CommentThatRuns, command.line, {}, { text() } };
        if (command.inBlockComment)
            found << ScriptFinding { Kind::BlockCommentThatRuns, command.line, {}, { text() } };
        const CommandWords &words = command.words;
        const QStringView verb = words.first();
        const qsizetype valueFrom = isOneOf(verb, ConsoleRules::setCommands) ? 2
            : isOneOf(verb, ConsoleRules::knownVariables)                    ? 1
                                                                             : 0;
        if (valueFrom && words.size() > valueFrom) {
            if (auto together = runTogetherIn(command, valueFrom, true))
                found << *together;
        }
    }
    return found;
}

QList<ScriptFinding> ScriptChecker::findingsOfTheRun(
    const ConsoleRun &run, qint64 pressedAt, int framesPerSecond)
{
    using Kind = ScriptFinding::Kind;
    QList<ScriptFinding> found = run.findings;
    // Where wait does nothing, a loop paced by it fills the buffer within one frame.
    const auto filled = std::ranges::find(found, Kind::BufferFilled, &ScriptFinding::kind);
    if (filled != found.end() && std::ranges::any_of(found, [](const ScriptFinding &finding) {
            return finding.kind == Kind::WaitIgnored;
        })) {
        filled->kind = Kind::WaitLoopFreezes;
        found.removeIf(
            [](const ScriptFinding &finding) { return finding.kind == Kind::WaitIgnored; });
    }
    if (run.loop) {
        QList<int> lines = run.loop->lines;
        std::ranges::sort(lines);
        found << ScriptFinding { Kind::EndlessLoop, lines.first(), {},
            { linesList(lines), time(run.loop->periodTicks, framesPerSecond) } };
    }
    for (const NameChange &change : run.nameChanges) {
        // Most names show as set: nothing to say about them.
        if (change.shown == change.name)
            continue;
        const ShownName shown = ShownName::of(change.name, run.game);
        if (!shown.cutOff.isEmpty()) {
            found << ScriptFinding { Kind::LongName, change.line, {},
                { shown.cleaned, QString::number(shown.bytes()), shown.cutOff } };
        }
        if (!shown.removed.isEmpty()) {
            found << ScriptFinding { Kind::RemovedCharacters, change.line, {},
                { shown.removed.join(u' '), change.shown } };
        }
    }
    const GameWords &words = GameWords::of(familyOf(run.game));
    QSet<QString> variablesOfTheScript;
    for (const VariableSet &set : run.variablesSet)
        variablesOfTheScript.insert(set.name.toLower());
    for (const RecordedCommand &command : run.recorded) {
        // What ran before the key was pressed is the script's own, warned about without it.
        if (command.tick < pressedAt)
            continue;
        const QStringView verb = command.verb;
        if ((verb.startsWith(u'/') || verb.startsWith(u'\\'))
            && (words.isCommand(verb.sliced(1)) || words.isVariable(verb.sliced(1)))) {
            found << ScriptFinding { Kind::LeadingSlash, command.line, {}, { command.verb } };
        } else if (ConsoleRules::isWord(verb, u"exec")) {
            const QString file
                = command.text.trimmed().section(u' ', 1, 1, QString::SectionSkipEmpty);
            found << ScriptFinding { Kind::Exec, command.line, {}, { file, execFileName(file) } };
        } else if (ConsoleRules::isOneOf(verb, ConsoleRules::sessionCommands)) {
            // The config the game writes starts with unbindall and then binds every key again.
            const bool boundAgain = ConsoleRules::isWord(verb, u"unbindall")
                && std::ranges::any_of(run.bindings,
                    [&](const KeyBinding &binding) { return binding.line > command.line; });
            if (!boundAgain)
                found << ScriptFinding { Kind::SessionCommand, command.line, {}, { command.verb } };
        } else if (!words.isCommand(verb) && !words.isVariable(verb)
            && !variablesOfTheScript.contains(verb.toString().toLower())) {
            found << ScriptFinding { Kind::UnknownCommand, command.line, {},
                { command.verb, words.nearestWord(verb).value_or(QString()) } };
        }
    }
    for (const VariableSet &set : run.variablesSet) {
        // What the script set before the key was pressed is its own, looked at without it.
        if (set.tick < pressedAt)
            continue;
        // A variable that a vstr or a key reads is the script's own.
        if (run.variablesRead.contains(set.name.toLower())
            || std::ranges::any_of(run.bindings, [&](const KeyBinding &binding) {
                   return binding.command.contains(set.name, Qt::CaseInsensitive);
               }))
            continue;
        // Nor is one that holds commands for a vstr the player types.
        const QString firstWord = set.value.trimmed().section(u' ', 0, 0);
        const std::optional<QString> meant = words.nearestVariable(set.name);
        if (!meant || set.value.contains(u';') || words.isCommand(firstWord))
            continue;
        // A misspelt name holds a name. A misspelt setting keeps its prefix (cg_, r_): a word
        // of another prefix is another game's; the script's own short names ("s1", "anim")
        // are too near too many of the game's to be taken for misspellings of them.
        const qsizetype prefix = set.name.indexOf(u'_') + 1;
        const bool likely = ConsoleRules::isWord(*meant, u"name") ? looksLikeAName(set.value)
            : prefix > 0 ? meant->startsWith(set.name.first(prefix), Qt::CaseInsensitive)
                         : set.name.size() >= 6;
        if (likely)
            found << ScriptFinding { Kind::UnknownVariable, set.line, {}, { set.name, *meant } };
    }
    if (run.end == ConsoleRun::End::CommandBound || run.end == ConsoleRun::End::TickBound) {
        found << ScriptFinding { Kind::ModelBound, run.lastLine, {},
            { QString::number(run.commandsRun), time(run, run.endTick, framesPerSecond) } };
    }
    return found;
}

QList<ScriptFinding> ScriptChecker::findingsOnTheServer(
    const ConsoleRun &run, const ServerView &server, qint64 pressedAt, int framesPerSecond)
{
    using Kind = ScriptFinding::Kind;
    QList<ScriptFinding> found;
    const int snapshotsPerSecond = server.snapshotsPerSecond;
    const auto seconds
        = [](double milliseconds) { return tr("%1 s").arg(milliseconds / 1000, 0, 'f', 2); };
    const bool animates = server.sent.size() >= 2;
    const int firstLine = server.sent.isEmpty() ? run.lastLine : server.sent.first().line;
    // A loop holds the keys back for ever, as its own warning says.
    if (!run.loop && run.end == ConsoleRun::End::Finished && run.endTick > pressedAt) {
        const double heldBack = run.millisecondsAt(run.endTick, framesPerSecond)
            - run.millisecondsAt(pressedAt, framesPerSecond);
        const bool warn = heldBack > 1000;
        if (warn || animates)
            found << ScriptFinding { Kind::KeysHeldBack, firstLine, {}, { seconds(heldBack) },
                !warn };
    }
    // Of the names the player's own game shows, each for a frame or more; a name replaced within
    // its frame shows nowhere.
    if (server.namesSeen < server.sent.size()) {
        QList<int> skipped;
        for (const SentName &name : server.sent) {
            if (!name.seenFrom && !skipped.contains(name.line))
                skipped << name.line;
        }
        std::ranges::sort(skipped);
        found << ScriptFinding { Kind::NamesSkipped, skipped.first(), {},
            { QString::number(server.namesSeen), QString::number(server.sent.size()),
                QString::number(ConsoleRules::snapshotMilliseconds(snapshotsPerSecond)),
                QString::number(snapshotsPerSecond), linesList(skipped) } };
    }
    if (!animates)
        return found;
    if (server.shortestGap < ConsoleRules::floodProtectMilliseconds) {
        // Chat stays dropped until the flood protection's time after the last name has passed.
        const double dropped = server.sent.last().milliseconds - server.sent.first().milliseconds
            + ConsoleRules::floodProtectMilliseconds;
        const bool warn = run.loop || dropped > 5000;
        found << ScriptFinding { Kind::ChatDropped, firstLine, {},
            { seconds(server.shortestGap), run.loop ? QString() : seconds(dropped) }, !warn };
    }
    const int unacknowledged = ConsoleRules::rulesOf(run.game).reliableCommands;
    if (server.mostPerSecond > unacknowledged / 2) {
        found << ScriptFinding { Kind::DisconnectRisk, firstLine, {},
            { QString::number(qRound(server.mostPerSecond)), QString::number(unacknowledged),
                QString::number(unacknowledged / server.mostPerSecond, 'f', 1) } };
    }
    found << ScriptFinding { Kind::RoundBasedModes, firstLine, {}, {}, true };
    found << ScriptFinding { Kind::LastNameKept, server.sent.last().line, {},
        { run.loop ? QString() : server.sent.last().shown }, true };
    return found;
}

void ScriptChecker::addWarnings(QList<ScriptFinding> findings, const QString &pressedKey,
    GameVersion game, QList<ScriptWarning> &warnings, QList<ScriptWarning> &notes)
{
    // The warnings of a line in the order of their kinds.
    std::ranges::stable_sort(findings, {}, &ScriptFinding::kind);
    for (const ScriptFinding &finding : std::as_const(findings)) {
        const ScriptWarning warning { finding.kind, finding.line,
            wordsFor(finding, pressedKey, game), 0, finding.column };
        QList<ScriptWarning> &list = finding.note ? notes : warnings;
        if (!list.contains(warning))
            list << warning;
    }
}

QString ScriptChecker::wordsFor(
    const ScriptFinding &finding, const QString &pressedKey, GameVersion game)
{
    using Kind = ScriptFinding::Kind;
    const ConsoleRules::GameRules rules = ConsoleRules::rulesOf(game);
    const QStringList &details = finding.details;
    const QString whenPressed
        = pressedKey.isEmpty() ? QString() : tr("When %1 is pressed: ").arg(pressedKey);
    switch (finding.kind) {
    case Kind::EndlessLoop: {
        // A loop without a wait fills the buffer instead: every endless loop waits.
        const QString cycle
            = tr("an endless loop (%1): it repeats every %2, for ever. The game would stop "
                 "answering keys and the console until it is restarted. Let the last step set "
                 "the resting name without another vstr, or step through the frames with a "
                 "bound key.")
                  .arg(details[0], details[1]);
        return pressedKey.isEmpty() ? tr("The script runs %1").arg(cycle)
                                    : tr("Pressing %1 starts %2").arg(pressedKey, cycle);
    }
    case Kind::NegativeWait:
        return tr("A wait with a negative number stops the rest of the script for good (some "
                  "versions of the game wait one tick instead). Use a positive number of ticks.");
    case Kind::RunTogether:
        return tr("Two commands run together on one line: the game sets the whole \"%1\" as one "
                  "value. Put \"%2\" on a line of its own.")
            .arg(details[0], details[1]);
    case Kind::LongName:
        return tr("The name \"%1\" takes %2 bytes; the game keeps %3 and cuts off \"%4\". Use "
                  "fewer letters or color codes.")
            .arg(details[0], details[1], QString::number(ConsoleRules::nameBytes), details[2]);
    case Kind::RemovedCharacters:
        return tr("The game removes %1 from names: this one shows as \"%2\". Leave them out.")
            .arg(details[0], details[1]);
    case Kind::LongScript:
        return tr("The script takes %1 bytes or more, more than the game's command buffer holds: "
                  "exec runs none of it. Move part of it into a second script and exec that from "
                  "this one.")
            .arg(rules.bufferBytes);
    case Kind::LongCommand:
        return tr("A command here is longer than %1 bytes: the game cuts it there, loses the next "
                  "byte and runs the rest as a command of its own. Split it into shorter commands.")
            .arg(rules.commandBytes);
    case Kind::LeadingSlash: {
        const QString &verb = details[0];
        return whenPressed
            + tr("\"%1\": a leading %2 works only when typed in the console; in a script the "
                 "game knows no such command. Write \"%3\".")
                  .arg(verb, verb.first(1), verb.sliced(1));
    }
    case Kind::SessionCommand:
        return whenPressed
            + tr("%1 %2 when the script runs it. Leave it out of a name script.")
                  .arg(details[0], whatEndsTheSession(details[0]));
    case Kind::UnknownCommand: {
        const QString notACommand
            = tr("\"%1\" is not a command of the game: it sends the line to the server, which "
                 "shows it as chat or ignores it, unless a mod there knows it.")
                  .arg(details[0]);
        return whenPressed + notACommand
            + (details[1].isEmpty() ? QString() : tr(" Did you mean \"%1\"?").arg(details[1]));
    }
    case Kind::UnknownVariable:
        return tr("This sets \"%1\", which nothing reads. Did you mean \"%2\"?")
            .arg(details[0], details[1]);
    case Kind::HighBytes:
        return tr("A character such as \u00e9 or \u20ac outside quotes splits the words here: the "
                  "game drops it and keeps the words around it apart. Put the value in quotes.");
    case Kind::CommentThatRuns:
        return tr("A // comment ends at the ';' after it: the game runs \"%1\" as a command. Take "
                  "out the ';' or start the rest with // too.")
            .arg(details[0]);
    case Kind::BlockCommentThatRuns:
        return tr("A /* comment ends with its line: the game runs \"%1\" as a command. Start each "
                  "line of the comment with // instead.")
            .arg(details[0]);
    case Kind::SetsNothing:
        return tr("\"%1\" sets nothing: the game's set takes a name and then a value, and COD's "
                  "seta exactly one value. Give it its value, in quotes if it has spaces.")
            .arg(details[0]);
    case Kind::WaitWithMoreWords:
        return tr("\"%1\": wait reads its number only when nothing follows it, so it waits one "
                  "tick and the rest runs nothing. Put a ';' or a line break after the number.")
            .arg(details[0]);
    case Kind::Exec:
        return whenPressed
            + tr("exec %1 runs another script, which this check cannot see into. Check that "
                 "one too.")
                  .arg(details[0]);
    case Kind::BufferFilled:
        return tr("This vstr runs again and again without a wait until it fills the game's "
                  "command buffer of %1 bytes: the game hangs for a moment while it does, then "
                  "the vstr fails and what is left in the buffer runs. Put a wait in the loop.")
            .arg(rules.bufferBytes);
    case Kind::LongValue:
        return tr("The variable set here holds more than %1 bytes: vstr runs only its first %1. "
                  "Split it into two variables.")
            .arg(ConsoleRules::vstrValueBytes);
    case Kind::ModelBound:
        return whenPressed
            + tr("The check stopped here after %1 commands and %2 without reaching the end: it "
                 "cannot tell what the rest does in the game.")
                  .arg(details[0], details[1]);
    case Kind::UnsetUntilPressed:
        return tr("vstr %1 runs nothing until %2 is pressed, which sets %1. Press %2 first, or set "
                  "%1 in the script itself.")
            .arg(details[0], details[1]);
    case Kind::UnsetVariable:
        return tr("vstr %1 runs a variable that is not set at that moment, so nothing happens. Set "
                  "%1 before this line, or check its spelling.")
            .arg(details[0]);
    case Kind::WaitIgnored:
        return tr("On a competitive server wait does nothing: what the script paces with it runs "
                  "at once, so an animation shows only its last name there. Step through the "
                  "names with a bound key instead, which works on every server.");
    case Kind::WaitLoopFreezes:
        return tr("On a competitive server wait does nothing: this loop then runs again and again "
                  "within one frame until it fills the game's command buffer, and the game "
                  "freezes meanwhile. Step through the names with a bound key instead, which "
                  "works on every server.");
    case Kind::KeysHeldBack:
        return tr("While the script runs, for %1, your keys wait behind it: you cannot move, fire "
                  "or chat until it ends. Step through the names with a bound key instead, "
                  "which holds nothing back.")
            .arg(details[0]);
    case Kind::NamesSkipped:
        return tr("Others on the server see %1 of these %2 names: names that last less than one "
                  "snapshot (%3 ms at sv_fps %4) are skipped (%5). Let each name last longer.")
            .arg(details[0], details[1], details[2], details[3], details[4]);
    case Kind::ChatDropped: {
        const QString lasting = details[1].isEmpty() ? tr("for as long as it runs, for ever")
                                                     : tr("for %1").arg(details[1]);
        return tr("The names change as often as every %1, more often than every 0.8 s: the "
                  "server's flood protection then ignores your chat, team chat and votes %2. "
                  "Let each name last 0.8 s or more to keep chat working.")
            .arg(details[0], lasting);
    }
    case Kind::DisconnectRisk:
        return tr("The script sends about %1 names a second. Each waits for the server to "
                  "acknowledge it, and the client keeps %2 at most: a lag spike of %3 s fills "
                  "them, and the game disconnects you. Let each name last longer.")
            .arg(details[0], details[1], details[2]);
    case Kind::RoundBasedModes:
        return tr("In round-based modes (Search and Destroy and the like) the server takes a new "
                  "name only at the next round: others see no animation there.");
    case Kind::LastNameKept:
        if (details[0].isEmpty())
            return tr("The game saves the name you have when you leave in config_mp.cfg: "
                      "whichever of these names shows then is your name at the next start.");
        return tr("The game saves the name you have when you leave in config_mp.cfg: after "
                  "this script, \"%1\", your name at the next start.")
            .arg(details[0]);
    }
    return {};
}

QString ScriptChecker::describe(const ScriptWarning &warning)
{
    if (warning.throughLine > warning.line)
        return tr("lines %1 to %2: %3")
            .arg(warning.line)
            .arg(warning.throughLine)
            .arg(warning.text);
    return tr("line %1: %2").arg(warning.line).arg(warning.text);
}

QString ScriptChecker::serverConfig(const ScriptCheck &check)
{
    return tr("Read as a server's config: it sets %1. Warnings meant for name scripts, such as "
              "about map and killserver, are left out.")
        .arg(check.serverSetting);
}

QString ScriptChecker::noWarnings() { return tr("No warnings: the script runs as written."); }

QString ScriptChecker::time(const ConsoleRun &run, qint64 tick, int framesPerSecond)
{
    return tr("%1 s (%2 ticks)")
        .arg(run.millisecondsAt(tick, framesPerSecond) / 1000, 0, 'f', 2)
        .arg(tick);
}

QString ScriptChecker::time(qint64 tick, int framesPerSecond)
{
    return tr("%1 s (%2 ticks)").arg(secondsOfTicks(tick, framesPerSecond), 0, 'f', 2).arg(tick);
}

QString ScriptChecker::report(const ScriptCheck &check, int framesPerSecond)
{
    QString text;
    const auto item = [&text](const QString &line) { text += QLatin1String("  ") + line + u'\n'; };
    if (!check.serverSetting.isEmpty())
        text += serverConfig(check) + u'\n';
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
                 .arg(time(check.run, change.tick, framesPerSecond))
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
    if (check.server.namesSet > 1) {
        text += tr("Names as others on the server see them, at sv_fps %1 (a snapshot every %2 "
                   "ms):")
                    .arg(check.server.snapshotsPerSecond)
                    .arg(ConsoleRules::snapshotMilliseconds(check.server.snapshotsPerSecond))
            + u'\n';
        for (const SentName &name : check.server.sent) {
            if (name.seenFrom) {
                item(tr("%1 s, line %2: %3")
                         .arg(*name.seenFrom / 1000, 0, 'f', 2)
                         .arg(name.line)
                         .arg(name.shown));
            }
        }
        if (check.run.loop)
            item(tr("... and so on for ever."));
    }
    text += tr("Warnings:") + u'\n';
    if (check.warnings.isEmpty())
        item(noWarnings());
    for (const ScriptWarning &warning : check.warnings)
        item(describe(warning));
    if (!check.notes.isEmpty()) {
        text += tr("Notes:") + u'\n';
        for (const ScriptWarning &note : check.notes)
            item(describe(note));
    }
    return text;
}
