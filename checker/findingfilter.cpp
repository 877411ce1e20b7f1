// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "findingfilter.h"

#include "console/consolerules.h"
#include "warningtext.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <functional>

namespace {

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

// The findings of a kind that pass, taken out of every run and said once in the script's own run,
// at the first of their lines: each command or script they name, with its lines. Where the
// merged finding is of another kind, a single finding stays as it was.
void sayOnceWithLines(QList<RunFindings> &runs, ScriptFinding::Kind kind, ScriptFinding::Kind as,
    const std::function<bool(const ScriptFinding &)> &passes)
{
    const auto isTaken
        = [&](const ScriptFinding &finding) { return finding.kind == kind && passes(finding); };
    qsizetype taken = 0;
    for (const RunFindings &run : std::as_const(runs))
        taken += std::ranges::count_if(run.found, isTaken);
    if (taken == 0 || (kind != as && taken == 1))
        return;
    // A config binds thousands of keys: each finding is looked up, not searched for.
    QList<std::pair<QString, QList<int>>> named;
    QHash<QString, qsizetype> index; // in named, by the detail in lower case
    for (RunFindings &run : runs) {
        run.found.removeIf([&](const ScriptFinding &finding) {
            if (!isTaken(finding))
                return false;
            const qsizetype at = index.value(finding.details[0].toLower(), named.size());
            if (at == named.size()) {
                index.insert(finding.details[0].toLower(), at);
                named.append({ finding.details[0], {} });
            }
            named[at].second << finding.line;
            return true;
        });
    }
    ScriptFinding once { as, named.first().second.first(), {}, {} };
    for (auto &[detail, lines] : named) {
        std::ranges::sort(lines);
        lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
        once.line = std::min(once.line, lines.first());
        once.details << detail << WarningText::linesList(lines);
    }
    runs.first().found << once;
}

// A finding and the keys whose presses lead to it; none for the script's own run.
struct Heard {
    ScriptFinding finding;
    QStringList keys;
    int throughLine = 0;
};

// Each finding once: a key's press runs the script's own lines again, and what they find is the
// script's own; what several keys' presses find alike is said once, naming the keys.
QList<Heard> onceEach(const QList<RunFindings> &runs)
{
    QList<Heard> heard;
    QHash<ScriptFinding, qsizetype> at; // in heard
    for (const RunFindings &run : runs) {
        for (const ScriptFinding &finding : run.found) {
            const auto known = at.constFind(finding);
            if (known == at.cend()) {
                at.insert(finding, heard.size());
                heard << Heard { finding,
                    run.key.isEmpty() ? QStringList() : QStringList { run.key }, finding.line };
            } else if (!heard[*known].keys.isEmpty() && !run.key.isEmpty()) {
                heard[*known].keys << run.key;
            }
        }
    }
    return heard;
}

// Findings of a kind that name one word each, on lines near one another and after the same
// keys, are one finding naming every word: three start-up settings in a row are one mistake. The
// same word on nearby lines after other keys is one finding after all of them.
void mergeNearbyLines(QList<Heard> &heard)
{
    constexpr int nearby = 3; // lines from one to the next
    const auto listsWords = [](ScriptFinding::Kind kind) {
        return kind == ScriptFinding::Kind::StartupSetting
            || kind == ScriptFinding::Kind::SetsNothing
            || kind == ScriptFinding::Kind::CheatProtected;
    };
    std::ranges::stable_sort(heard, {}, [](const Heard &each) { return each.finding.line; });
    QList<Heard> merged;
    for (const Heard &each : std::as_const(heard)) {
        const auto earlier = std::find_if(merged.rbegin(), merged.rend(), [&](const Heard &kept) {
            return kept.finding.kind == each.finding.kind
                && (kept.keys == each.keys || kept.finding.details == each.finding.details)
                && kept.finding.note == each.finding.note;
        });
        if (listsWords(each.finding.kind) && earlier != merged.rend()
            && each.finding.line - earlier->throughLine <= nearby) {
            if (!earlier->finding.details.contains(each.finding.details.first()))
                earlier->finding.details << each.finding.details.first();
            // What the script's own run finds needs no key.
            if (earlier->keys.isEmpty() || each.keys.isEmpty()) {
                earlier->keys.clear();
            } else {
                for (const QString &key : each.keys) {
                    if (!earlier->keys.contains(key))
                        earlier->keys << key;
                }
            }
            earlier->throughLine = each.finding.line;
            continue;
        }
        merged << each;
    }
    heard = merged;
}

} // namespace

HeardFindings FindingFilter::keepWhatMatters(
    QList<RunFindings> runs, const ScriptTraits &script, GameVersion game)
{
    HeardFindings heard;
    // The warning about a comment that runs already names the command it runs.
    QSet<int> commentsThatRun;
    for (const ScriptFinding &finding : std::as_const(runs.first().found)) {
        if (finding.kind == ScriptFinding::Kind::CommentThatRuns
            || finding.kind == ScriptFinding::Kind::BlockCommentThatRuns)
            commentsThatRun.insert(finding.line);
    }
    // So does the warning about a command cut at the game's limit, of the rest that runs.
    QSet<int> linesCut;
    for (const ScriptFinding &finding : std::as_const(runs.first().found)) {
        if (finding.kind == ScriptFinding::Kind::LongCommand)
            linesCut.insert(finding.line);
    }
    runs.first().found.removeIf([&](const ScriptFinding &finding) {
        return finding.kind == ScriptFinding::Kind::UnknownCommand
            && (commentsThatRun.contains(finding.line) || linesCut.contains(finding.line));
    });
    for (RunFindings &run : runs) {
        // A key bound to just quit or disconnect is the player's own way out.
        const QString bound = run.boundCommand.trimmed();
        if (!run.key.isEmpty()
            && (ConsoleRules::isWord(bound, u"quit") || ConsoleRules::isWord(bound, u"disconnect")))
            run.found.removeIf([](const ScriptFinding &finding) {
                return finding.kind == ScriptFinding::Kind::SessionCommand;
            });
    }
    // A server's config runs what would end a player's session from a name script. A dedicated
    // server has no keys nor chat of its own, and runs its frames by its own rules (Com_Frame in
    // CoD2rev_Server src/qcommon/common.cpp); it is never told of a cheat-protected variable.
    // What it sets that the server reads only at start-up, or not at all, is for it alone. The
    // game's own config runs at start-up, before any server refuses a cheat-protected value.
    for (RunFindings &run : runs) {
        run.found.removeIf([&script](const ScriptFinding &finding) {
            using Kind = ScriptFinding::Kind;
            switch (finding.kind) {
            case Kind::SessionCommand:
                return script.serverConfig
                    && ConsoleRules::isOneOf(finding.details[0], ConsoleRules::serverCommands);
            case Kind::KeysHeldBack:
            case Kind::ChatDropped:
            case Kind::DisconnectRisk:
                return script.serverConfig;
            case Kind::CheatProtected:
                return script.serverConfig || script.writtenByTheGame;
            case Kind::UnreadServerSetting:
            case Kind::StartupSetting:
                return !script.serverConfig;
            default:
                return false;
            }
        });
    }
    // What the check cannot see into, and commands near no word of the game (the developers'
    // configs are full of single-player ones), are said once, with their lines.
    sayOnceWithLines(runs, ScriptFinding::Kind::Exec, ScriptFinding::Kind::Exec,
        [](const ScriptFinding &) { return true; });
    sayOnceWithLines(runs, ScriptFinding::Kind::UnknownCommand, ScriptFinding::Kind::NotCommands,
        [](const ScriptFinding &finding) { return finding.details[1].isEmpty(); });
    // Where wait does nothing, that warning already says that the names come at once.
    for (RunFindings &run : runs) {
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
    for (RunFindings &run : runs) {
        if (saidOnce)
            run.found.removeIf(isOnce);
        saidOnce = saidOnce || std::ranges::any_of(run.found, isOnce);
    }
    if (!saidOnce && script.steppingKeyLine) {
        runs.first().found << ScriptFinding { ScriptFinding::Kind::RoundBasedModes,
            *script.steppingKeyLine, {}, {}, true }
                           << ScriptFinding { ScriptFinding::Kind::LastNameKept,
                                  *script.steppingKeyLine, {}, { QString() }, true };
    }
    // Presses carry the console's state from one to the next, as the player window's buttons
    // do: a variable that another key sets is there once that key was pressed.
    for (RunFindings &run : runs) {
        for (ScriptFinding &finding : run.found) {
            if (finding.kind != ScriptFinding::Kind::UnsetVariable)
                continue;
            for (const RunFindings &other : std::as_const(runs)) {
                // How key-step animations work: worth a note, no fault.
                if (other.key != run.key
                    && other.variablesSet.contains(finding.details[0].toLower())) {
                    finding.kind = ScriptFinding::Kind::UnsetUntilPressed;
                    finding.details << other.key;
                    finding.note = true;
                    break;
                }
            }
        }
    }
    QList<Heard> once = onceEach(runs);
    mergeNearbyLines(once);
    // The warnings of a line in the order of their kinds.
    std::ranges::stable_sort(once, {}, [](const Heard &each) { return each.finding.kind; });
    std::ranges::stable_sort(once, {}, [](const Heard &each) { return each.finding.line; });
    const WarningText::Context context { game, script.serverConfig };
    for (const Heard &each : std::as_const(once)) {
        const ScriptFinding &finding = each.finding;
        const ScriptWarning warning { finding.kind, finding.line,
            WarningText::of(finding, each.keys, context),
            each.throughLine > finding.line ? each.throughLine : 0, finding.column };
        QList<ScriptWarning> &list = finding.note ? heard.notes : heard.warnings;
        if (!list.contains(warning))
            list << warning;
    }
    sayMisspellingsOnce(heard.warnings);
    mergeConsecutiveLines(heard.warnings);
    return heard;
}
