// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "findingfilter.h"

#include "consolerules.h"
#include "warningtext.h"

#include <QHash>
#include <QSet>

#include <algorithm>

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

// Each finding in words, each warning once; pressedKey: the key the findings follow.
void addWarnings(QList<ScriptFinding> findings, const QString &pressedKey, GameVersion game,
    HeardFindings &heard)
{
    // The warnings of a line in the order of their kinds.
    std::ranges::stable_sort(findings, {}, &ScriptFinding::kind);
    for (const ScriptFinding &finding : std::as_const(findings)) {
        const ScriptWarning warning { finding.kind, finding.line,
            WarningText::of(finding, pressedKey, game), 0, finding.column };
        QList<ScriptWarning> &list = finding.note ? heard.notes : heard.warnings;
        if (!list.contains(warning))
            list << warning;
    }
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
    runs.first().found.removeIf([&commentsThatRun](const ScriptFinding &finding) {
        return finding.kind == ScriptFinding::Kind::UnknownCommand
            && commentsThatRun.contains(finding.line);
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
    // The config the game writes sets each variable as the player's scripts named it: any
    // misspelling was made elsewhere, and the variable is the player's own by now.
    if (script.writtenByTheGame) {
        for (RunFindings &run : runs) {
            run.found.removeIf([](const ScriptFinding &finding) {
                return finding.kind == ScriptFinding::Kind::UnknownVariable;
            });
        }
    }
    // A server's config runs what would end a player's session from a name script.
    if (script.serverConfig) {
        for (RunFindings &run : runs) {
            run.found.removeIf([](const ScriptFinding &finding) {
                return finding.kind == ScriptFinding::Kind::SessionCommand
                    && ConsoleRules::isOneOf(finding.details[0], ConsoleRules::serverCommands);
            });
        }
    }
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
                if (other.key != run.key
                    && other.variablesSet.contains(finding.details[0].toLower())) {
                    finding.kind = ScriptFinding::Kind::UnsetUntilPressed;
                    finding.details << other.key;
                    break;
                }
            }
        }
        addWarnings(run.found, run.key, game, heard);
    }
    std::ranges::stable_sort(heard.warnings, {}, &ScriptWarning::line);
    std::ranges::stable_sort(heard.notes, {}, &ScriptWarning::line);
    sayMisspellingsOnce(heard.warnings);
    mergeConsecutiveLines(heard.warnings);
    return heard;
}
