// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "problemfinder.h"

#include "console/consolerules.h"
#include "gamewords.h"
#include "console/shownname.h"
#include "console/ticktime.h"
#include "warningtext.h"

#include <QSet>

#include <algorithm>

namespace {

// One word of letters, digits and signs, as a player name is: not a command or a list of them.
bool looksLikeAName(QStringView value)
{
    return !value.isEmpty() && !value.startsWith(u'+') && !value.startsWith(u'-')
        && std::ranges::none_of(value, [](QChar c) { return c == u' ' || c == u';'; });
}

// Server settings admins write for others the game reads, too far apart to be taken for
// misspellings of them.
constexpr std::pair<QStringView, QStringView> serverSettingsMeant[] = {
    { u"sv_maxplayers", u"sv_maxclients" },
    { u"sv_drawfriend", u"scr_drawfriend" },
    { u"sv_mapRotationCurrentmap", u"sv_mapRotationCurrent" },
};

} // namespace

QList<ScriptFinding> ProblemFinder::inTheText(const ScriptCommands &split)
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

QList<ScriptFinding> ProblemFinder::ofTheRun(
    const ConsoleRun &run, qint64 pressedAt, int framesPerSecond, bool writtenByTheGame)
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
        const PacedLoop &loop = *run.loop;
        found << ScriptFinding { Kind::EndlessLoop, lines.first(), {},
            { WarningText::linesList(lines),
                TickTime::between(
                    run, loop.firstTick, loop.firstTick + loop.periodTicks, framesPerSecond),
                QString::number(loop.rounds),
                TickTime::span(run.millisecondsAt(loop.stopTick, framesPerSecond)
                    - run.millisecondsAt(pressedAt, framesPerSecond)) } };
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
    // A loop runs its commands again and again; each says what it has to say once.
    QSet<std::pair<int, QString>> looked;
    for (const RecordedCommand &command : run.recorded) {
        // What ran before the key was pressed is the script's own, warned about without it.
        if (command.tick < pressedAt)
            continue;
        const std::pair<int, QString> seen { command.line, command.text };
        if (looked.contains(seen))
            continue;
        looked.insert(seen);
        const QStringView verb = command.verb;
        if ((verb.startsWith(u'/') || verb.startsWith(u'\\'))
            && (words.isCommand(verb.sliced(1)) || words.isVariable(verb.sliced(1)))) {
            found << ScriptFinding { Kind::LeadingSlash, command.line, {}, { command.verb } };
        } else if (ConsoleRules::isWord(verb, u"toggle")) {
            // A toggle of no variable at all, near a setting of the game with its prefix.
            const QString toggled
                = command.text.trimmed().section(u' ', 1, 1, QString::SectionSkipEmpty);
            const qsizetype prefix = toggled.indexOf(u'_') + 1;
            const std::optional<QString> meant
                = writtenByTheGame ? std::nullopt : words.nearestVariable(toggled);
            if (prefix > 0 && meant && !words.isVariable(toggled)
                && meant->startsWith(toggled.first(prefix), Qt::CaseInsensitive))
                found << ScriptFinding { Kind::UnknownVariable, command.line, {},
                    { toggled, *meant, command.verb } };
        } else if (ConsoleRules::isWord(verb, u"exec")) {
            // The script as the console's tokenizer reads it: "tank.cfg" names tank.cfg.
            const ScriptCommands split
                = splitCommands(command.text, command.line, ConsoleRules::rulesOf(run.game));
            const CommandWords &execWords = split.commands.front().words;
            const QString file = execWords.size() > 1 ? execWords[1].toString() : QString();
            found << ScriptFinding { Kind::Exec, command.line, {}, { file, execFileName(file) } };
        } else if (ConsoleRules::isOneOf(verb, ConsoleRules::sessionCommands)) {
            // The config the game writes starts with unbindall and then binds every key again.
            const bool boundAgain = ConsoleRules::isWord(verb, u"unbindall")
                && std::ranges::any_of(run.bindings,
                    [&](const KeyBinding &binding) { return binding.line > command.line; });
            if (!boundAgain)
                found << ScriptFinding { Kind::SessionCommand, command.line, {}, { command.verb } };
        } else if (!words.isCommand(verb) && !words.isVariable(verb)
            && !ConsoleRules::isPunkBusterCommand(verb)
            && !variablesOfTheScript.contains(verb.toString().toLower())) {
            found << ScriptFinding { Kind::UnknownCommand, command.line, {},
                { command.verb, words.nearestWord(verb).value_or(QString()) } };
        }
    }
    for (const VariableSet &set : run.variablesSet) {
        // What the script set before the key was pressed is its own, looked at without it.
        if (set.tick < pressedAt)
            continue;
        if (ConsoleRules::isOneOf(set.name, ConsoleRules::startupSettings)) {
            found << ScriptFinding { Kind::StartupSetting, set.line, {}, { set.name } };
            continue;
        }
        // The engine's own settings start with sv_. One it does not register, near one it does
        // or a known confusion, is read by nothing; patched servers register settings of their
        // own, so a name near none, or one of a numbered series, is left alone.
        if (set.name.startsWith(u"sv_", Qt::CaseInsensitive) && !words.isVariable(set.name)
            && !run.variablesRead.contains(set.name.toLower())) {
            const auto known
                = std::ranges::find_if(serverSettingsMeant, [&set](const auto &confused) {
                      return set.name.compare(confused.first, Qt::CaseInsensitive) == 0;
                  });
            const QString meant = known != std::end(serverSettingsMeant)
                ? known->second.toString()
                : words.nearestVariable(set.name).value_or(QString());
            // A mod's scripts read whatever they like: a numbered or prefixed family of a known
            // setting (sv_mapRotation1, sv_mapRotation_tdm) is the mod's own.
            const bool family = !meant.isEmpty() && known == std::end(serverSettingsMeant)
                && (set.name.startsWith(meant, Qt::CaseInsensitive)
                    || set.name.endsWith(meant, Qt::CaseInsensitive)
                    || (meant.back().isDigit() && set.name.back().isDigit()));
            if (!meant.isEmpty() && !family)
                found << ScriptFinding { Kind::UnreadServerSetting, set.line, {},
                    { set.name, meant } };
            continue;
        }
        // The config the game writes sets each variable as the player's scripts named it: any
        // misspelling was made elsewhere, and the variable is the player's own by now. Its
        // hundreds of variables are not looked up among the game's thousands of words.
        if (writtenByTheGame)
            continue;
        // One that holds commands for a vstr is the script's own.
        const QString firstWord = set.value.trimmed().section(u' ', 0, 0);
        const std::optional<QString> meant = words.nearestVariable(set.name);
        if (!meant || set.value.contains(u';') || words.isCommand(firstWord))
            continue;
        // A misspelt name holds a name. A misspelt setting keeps its prefix (cg_, r_): a word
        // of another prefix is another game's; the script's own short names ("s1", "anim")
        // are too near too many of the game's to be taken for misspellings of them.
        const qsizetype prefix = set.name.indexOf(u'_') + 1;
        const bool keepsPrefix
            = prefix > 0 && meant->startsWith(set.name.first(prefix), Qt::CaseInsensitive);
        // So is one that a vstr or a key reads, unless it keeps the prefix of the game's own
        // setting it misspells: a key toggling cg_drawfsp still toggles no setting of the game.
        const bool readByTheScript = run.variablesRead.contains(set.name.toLower())
            || std::ranges::any_of(run.bindings, [&](const KeyBinding &binding) {
                   return binding.command.contains(set.name, Qt::CaseInsensitive);
               });
        bool likely = false;
        if (ConsoleRules::isWord(*meant, u"name"))
            likely = looksLikeAName(set.value);
        else if (prefix > 0)
            likely = keepsPrefix;
        else
            likely = set.name.size() >= 6 && !readByTheScript;
        if (likely && (keepsPrefix || !readByTheScript))
            found << ScriptFinding { Kind::UnknownVariable, set.line, {}, { set.name, *meant } };
    }
    if (run.end == ConsoleRun::End::CommandBound || run.end == ConsoleRun::End::TickBound) {
        found << ScriptFinding { Kind::ModelBound, run.lastLine, {},
            { QString::number(run.commandsRun), TickTime::of(run, run.endTick, framesPerSecond) } };
    }
    return found;
}

QList<ScriptFinding> ProblemFinder::onTheServer(
    const ConsoleRun &run, const ServerView &server, qint64 pressedAt, int framesPerSecond)
{
    using Kind = ScriptFinding::Kind;
    QList<ScriptFinding> found;
    const int snapshotsPerSecond = server.snapshotsPerSecond;
    const bool animates = server.sent.size() >= 2;
    const int firstLine = server.sent.isEmpty() ? run.lastLine : server.sent.first().line;
    // A loop holds the keys back for ever, as its own warning says.
    if (!run.loop && run.end == ConsoleRun::End::Finished && run.endTick > pressedAt) {
        const double heldBack = run.millisecondsAt(run.endTick, framesPerSecond)
            - run.millisecondsAt(pressedAt, framesPerSecond);
        const bool warn = heldBack > 1000;
        if (warn || animates)
            found << ScriptFinding { Kind::KeysHeldBack, firstLine, {},
                { TickTime::seconds(heldBack) }, !warn };
    }
    // Of the names the player's own game shows, each for a frame or more; a name replaced within
    // its frame shows nowhere.
    if (server.namesSeen < server.sent.size()) {
        // Each line once; a script of the game's largest size skips a thousand names.
        QList<int> skipped;
        for (const SentName &name : server.sent) {
            if (!name.seenFrom)
                skipped << name.line;
        }
        std::ranges::sort(skipped);
        skipped.erase(std::unique(skipped.begin(), skipped.end()), skipped.end());
        found << ScriptFinding { Kind::NamesSkipped, skipped.first(), {},
            { QString::number(server.namesSeen), QString::number(server.sent.size()),
                QString::number(server.snapshotMilliseconds), QString::number(snapshotsPerSecond),
                WarningText::linesList(skipped) } };
    }
    if (!animates)
        return found;
    if (server.shortestGap < ConsoleRules::floodProtectMilliseconds) {
        // Chat stays dropped until the flood protection's time after the last name has passed.
        const double dropped = server.sent.last().milliseconds - server.sent.first().milliseconds
            + ConsoleRules::floodProtectMilliseconds;
        const bool warn = run.loop || dropped > 5000;
        found << ScriptFinding { Kind::ChatDropped, firstLine, {},
            { TickTime::seconds(server.shortestGap),
                run.loop ? QString() : TickTime::seconds(dropped) },
            !warn };
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
