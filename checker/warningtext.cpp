// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "warningtext.h"

#include "console/consolerules.h"
#include "console/ticktime.h"

#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString whatEndsTheSession(QStringView command)
{
    using ConsoleRules::isWord;
    if (isWord(command, u"quit"))
        return WarningText::tr("closes the game");
    if (isWord(command, u"unbindall"))
        return WarningText::tr("removes every key binding, moving and firing included");
    if (isWord(command, u"cvar_restart"))
        return WarningText::tr("puts every setting back to its default");
    if (isWord(command, u"killserver"))
        return WarningText::tr("shuts the server down");
    return WarningText::tr("leaves the server the player is on");
}

// Of details that pair a word with its lines: "a" (line 3), "b" (lines 5 and 9).
QString wordsWithLines(const QStringList &details)
{
    QStringList named;
    for (qsizetype i = 0; i + 1 < details.size(); i += 2)
        named << u"\"%1\" (%2)"_s.arg(details[i], details[i + 1]);
    return named.join(u", ");
}

// "F5", "F5 or F6", "F5, F6 or F7", and for more "any of 40 keys".
QString keysNamed(const QStringList &keys)
{
    constexpr qsizetype named = 3;
    if (keys.size() > named)
        return WarningText::tr("any of %n keys", nullptr, int(keys.size()));
    if (keys.size() == 1)
        return keys.first();
    return WarningText::tr("%1 or %2").arg(keys.first(keys.size() - 1).join(u", "), keys.last());
}

// "a", "a and b", "a, b and c"
QString wordsNamed(const QStringList &words)
{
    if (words.size() == 1)
        return words.first();
    return WarningText::tr("%1 and %2")
        .arg(words.first(words.size() - 1).join(u", "), words.last());
}

} // namespace

QString WarningText::of(
    const ScriptFinding &finding, const QStringList &pressedKeys, const Context &context)
{
    using Kind = ScriptFinding::Kind;
    const ConsoleRules::GameRules rules = ConsoleRules::rulesOf(context.game);
    const QStringList &details = finding.details;
    const QString pressedKey = pressedKeys.isEmpty() ? QString() : keysNamed(pressedKeys);
    const QString whenPressed
        = pressedKey.isEmpty() ? QString() : tr("When %1 is pressed: ").arg(pressedKey);
    switch (finding.kind) {
    case Kind::EndlessLoop: {
        // A loop without a wait fills the buffer at once; one paced by waits, after hours.
        const QString cycle
            = tr("a loop (%1) that repeats every %2, %3 times in all, until the line breaks "
                 "each round leaves behind fill the game's command buffer and the loop stops, "
                 "after %4. Until then the game does not answer keys or the console. Let the "
                 "last step set the resting name without another vstr, or step through the "
                 "frames with a bound key.")
                  .arg(details[0], details[1], details[2], details[3]);
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
        // A dedicated server has nobody to send the line to: its game module prints "Unknown
        // command" (ConsoleCommand in CoD2rev_Server src/game/g_svcmds.cpp).
        const QString notACommand = context.serverConfig
            ? tr("\"%1\" is not a command of the game: the server only prints \"Unknown "
                 "command\" in its console, unless a mod there knows it.")
                  .arg(details[0])
            : tr("\"%1\" is not a command of the game: it sends the line to the server, which "
                 "shows it as chat or ignores it, unless a mod there knows it.")
                  .arg(details[0]);
        // Other games' configs comment with #: "#set" meant nothing to run at all. The console
        // knows only // and /* */ (Cmd_TokenizeString).
        if (details[0].startsWith(u'#'))
            return whenPressed + notACommand
                + tr(" The game's comments start with //, not with #.");
        return whenPressed + notACommand
            + (details[1].isEmpty() ? QString() : tr(" Did you mean \"%1\"?").arg(details[1]));
    }
    case Kind::NotCommands:
        if (context.serverConfig)
            return tr("These are not commands of the game: the server only prints \"Unknown "
                      "command\" in its console for each, unless a mod there knows it: %1. "
                      "Leave them out; single-player and development commands do nothing here.")
                .arg(wordsWithLines(details));
        return tr("These are not commands of the game in multiplayer: it sends each such line to "
                  "the server, which shows it as chat or ignores it, unless a mod there knows it: "
                  "%1. Leave them out; single-player and development commands do nothing here.")
            .arg(wordsWithLines(details));
    case Kind::CheatProtected:
        if (details.size() > 1)
            return whenPressed
                + tr("%1 are cheat-protected: on a server without sv_cheats 1, as every public "
                     "server is, the game refuses to change them, so this does nothing there.")
                      .arg(wordsNamed(details));
        return whenPressed
            + tr("%1 is cheat-protected: on a server without sv_cheats 1, as every public server "
                 "is, the game refuses to change it, so this does nothing there.")
                  .arg(details[0]);
    case Kind::UnreadServerSetting:
        return tr("The server reads no \"%1\": setting it changes nothing.").arg(details[0])
            + tr(" Did you mean \"%1\"?").arg(details[1]);
    case Kind::StartupSetting:
        if (details.size() > 1)
            return tr("The server reads %1 only as it starts, before it runs this config: setting "
                      "them here changes nothing. Give them on the server's command line instead, "
                      "each as +set, its name and its value.")
                .arg(wordsNamed(details));
        return tr("The server reads %1 only as it starts, before it runs this config: setting it "
                  "here changes nothing. Give it on the server's command line instead, as "
                  "+set %1 and its value.")
            .arg(details[0]);
    case Kind::UnknownVariable:
        if (details.size() > 2)
            return tr("This toggles \"%1\", which is no setting of the game: nothing happens. Did "
                      "you mean \"%2\"?")
                .arg(details[0], details[1]);
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
        if (details.size() > 1) {
            QStringList quoted;
            for (const QString &command : details)
                quoted << u"\"%1\""_s.arg(command);
            return tr("%1 set nothing: the game's set takes a name and then a value, and COD's "
                      "seta exactly one value. Give each its value, in quotes if it has spaces.")
                .arg(wordsNamed(quoted));
        }
        return tr("\"%1\" sets nothing: the game's set takes a name and then a value, and COD's "
                  "seta exactly one value. Give it its value, in quotes if it has spaces.")
            .arg(details[0]);
    case Kind::WaitWithMoreWords:
        return tr("\"%1\": wait reads its number only when nothing follows it, so it waits one "
                  "tick and the rest runs nothing. Put a ';' or a line break after the number.")
            .arg(details[0]);
    case Kind::Exec:
        return tr("exec runs scripts that this check cannot see into: %1. Check those too.")
            .arg(wordsWithLines(details));
    case Kind::BufferFilled:
        if (!details.isEmpty())
            return tr("This vstr runs again and again without a wait, some %2 times within one "
                      "frame, until the line breaks each round leaves behind fill the game's "
                      "command buffer of %1 bytes: the game hangs for a moment while it does, "
                      "then the vstr fails and the rest of the script runs. Put a wait in the "
                      "loop.")
                .arg(rules.bufferBytes)
                .arg(details[0]);
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

QString WarningText::describe(const ScriptWarning &warning)
{
    if (warning.throughLine > warning.line)
        return tr("lines %1 to %2: %3")
            .arg(warning.line)
            .arg(warning.throughLine)
            .arg(warning.text);
    return tr("line %1: %2").arg(warning.line).arg(warning.text);
}

QString WarningText::serverConfig(const QString &setting)
{
    return tr("Read as a server's config: it sets %1. Warnings meant for name scripts, such as "
              "about map and killserver, are left out.")
        .arg(setting);
}

QString WarningText::noWarnings() { return tr("No warnings: the script runs as written."); }

QString WarningText::loopEnd(const ConsoleRun &run, int framesPerSecond)
{
    return tr("... and so on, %1 rounds in all: at %2 the game's command buffer is full and the "
              "loop stops.")
        .arg(run.loop->rounds)
        .arg(TickTime::of(run, run.loop->stopTick, framesPerSecond));
}

QString WarningText::linesList(const QList<int> &lines)
{
    // A long list names its first lines: the rest are alike, and the player window has them all.
    constexpr qsizetype named = 8;
    QStringList numbers;
    for (int line : lines.first(std::min(named, lines.size())))
        numbers << QString::number(line);
    if (lines.size() > named)
        return tr("lines %1 and %n more", nullptr, int(lines.size() - named))
            .arg(numbers.join(u", "));
    const QString last = numbers.takeLast();
    if (numbers.isEmpty())
        return tr("line %1").arg(last);
    return tr("lines %1 and %2").arg(numbers.join(u", "), last);
}

QString WarningText::savedAsUtf8(const QString &codePage)
{
    return tr("It was saved as UTF-8, but this edition of the game reads %1: it shows each "
              "character such as \u00e9 as two (\u00c3\u00a9). Open it in Tintmark, which reads "
              "it as UTF-8, and save it again.")
        .arg(codePage);
}
