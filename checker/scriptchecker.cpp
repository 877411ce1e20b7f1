// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scriptchecker.h"

#include "console/consolerules.h"
#include "findingfilter.h"
#include "problemfinder.h"
#include "console/scriptcommands.h"

#include <algorithm>

namespace {

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

ScriptCheck ScriptChecker::check(QStringView script, int framesPerSecond, GameVersion game,
    ConsoleRules::GameServer server, const ScriptReader &reader)
{
    framesPerSecond = ConsoleRules::maxFpsOn(server.kind, framesPerSecond);
    // Of a script larger than the buffer, the game runs nothing: there is nothing to split.
    const ConsoleRules::GameRules rules = ConsoleRules::rulesOf(game);
    const ScriptCommands split
        = script.size() < rules.bufferBytes ? splitCommands(script, 1, rules) : ScriptCommands();
    const ScriptSession session(script, split, game, server.kind, reader);
    // The config the game writes saves every archived setting, a server's among them: it is a
    // player's own.
    const bool writtenByTheGame = script.startsWith(ConsoleRules::writtenByTheGame);
    ScriptCheck checked { session.run(), {}, {}, session.run().scriptsRead,
        writtenByTheGame ? QString() : serverSettingIn(split),
        ServerView::of(session.run(), framesPerSecond, server.snapshotsPerSecond), {} };
    // The findings of the script's own run, then of each key it binds pressed once after it.
    QList<RunFindings> runs { { {}, {},
        ProblemFinder::inTheText(split)
            + ProblemFinder::ofTheRun(checked.run, 0, framesPerSecond, writtenByTheGame)
            + ProblemFinder::onTheServer(checked.run, checked.server, 0, framesPerSecond),
        {} } };
    ScriptTraits traits { writtenByTheGame, !checked.serverSetting.isEmpty(), {} };
    if (checked.run.end == ConsoleRun::End::Finished) {
        for (const KeyBinding &binding : checked.run.finalBindings()) {
            const qint64 pressedAt = checked.run.endTick + 1;
            const ConsoleRun pressed = session.pressing({ KeyPress { pressedAt, binding.key } });
            RunFindings press { binding.key, binding.command,
                ProblemFinder::ofTheRun(pressed, pressedAt, framesPerSecond, writtenByTheGame)
                    + ProblemFinder::onTheServer(pressed,
                        ServerView::of(
                            pressed, framesPerSecond, server.snapshotsPerSecond, pressedAt),
                        pressedAt, framesPerSecond),
                {} };
            for (const VariableSet &set : pressed.variablesSet) {
                if (set.tick >= pressedAt)
                    press.variablesSet << set.name.toLower();
            }
            for (const QString &file : pressed.scriptsRead) {
                if (!checked.execs.contains(file))
                    checked.execs << file;
            }
            runs << press;
            const QStringList names = namesOfPresses(session, binding.key);
            if (names.size() >= 2 && !traits.steppingKeyLine)
                traits.steppingKeyLine = binding.line;
            checked.keyNames << std::pair { binding.key, names };
        }
    }
    // What matters first: a config binds dozens of keys, and the one that cycles the name is
    // the one the player looks for. Each key's press is the run after the script's own, in the
    // order of keyNames; a press's run holds the script's own findings too, which are no word of
    // the key's.
    const QList<ScriptFinding> &ownFindings = runs.first().found;
    QList<std::pair<int, std::pair<QString, QStringList>>> ranked;
    for (qsizetype i = 0; i < checked.keyNames.size(); ++i) {
        const bool spokenOf
            = std::ranges::any_of(runs[i + 1].found, [&ownFindings](const ScriptFinding &finding) {
                  return !finding.note && !ownFindings.contains(finding);
              });
        ranked.append({ !checked.keyNames[i].second.isEmpty() ? 0
                : spokenOf                                    ? 1
                                                              : 2,
            std::move(checked.keyNames[i]) });
    }
    std::ranges::stable_sort(ranked, {}, &decltype(ranked)::value_type::first);
    checked.keyNames.clear();
    for (auto &[rank, keyNames] : ranked) {
        checked.keysOfNote += rank < 2;
        checked.keyNames << std::move(keyNames);
    }
    for (const RunFindings &run : std::as_const(runs)) {
        for (const ScriptFinding &finding : run.found) {
            if (finding.kind == ScriptFinding::Kind::Exec
                && !checked.execs.contains(finding.details[1]))
                checked.execs << finding.details[1];
        }
    }
    HeardFindings heard = FindingFilter::keepWhatMatters(std::move(runs), traits, game);
    checked.warnings = std::move(heard.warnings);
    checked.notes = std::move(heard.notes);
    return checked;
}
