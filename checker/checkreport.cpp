// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "checkreport.h"

#include "console/consolerules.h"
#include "scriptchecker.h"
#include "console/ticktime.h"
#include "warningtext.h"

using namespace Qt::StringLiterals;

QString CheckReport::of(const ScriptCheck &check, int framesPerSecond)
{
    QString text;
    const auto item = [&text](const QString &line) { text += QLatin1String("  ") + line + u'\n'; };
    if (!check.serverSetting.isEmpty())
        text += WarningText::serverConfig(check.serverSetting) + u'\n';
    // A server's config sets no name: its names, none, are no news to its admin.
    if (check.serverSetting.isEmpty() || !check.run.nameChanges.isEmpty()) {
        text += tr("Names in %1 at com_maxfps %2, frames of %3 ms, %4 frames a second:")
                    .arg(GameNames::of(check.run.game))
                    .arg(framesPerSecond)
                    .arg(ConsoleRules::frameMilliseconds(framesPerSecond))
                    .arg(framesPerSecondOf(framesPerSecond), 0, 'f', 1)
            + u'\n';
        // From a com_maxfps the script sets on, every time of the report follows its frames.
        for (const FrameRateChange &change : check.run.frameRates) {
            text += tr("From %1 the script's own com_maxfps %2 holds: frames of %3 ms.")
                        .arg(TickTime::of(check.run, change.tick, framesPerSecond))
                        .arg(change.maxFps)
                        .arg(ConsoleRules::frameMilliseconds(change.maxFps))
                + u'\n';
        }
        if (check.run.nameChanges.isEmpty())
            item(tr("The script sets no name."));
        for (const NameChange &change : check.run.nameChanges) {
            item(tr("%1, line %2: %3")
                     .arg(TickTime::of(check.run, change.tick, framesPerSecond))
                     .arg(change.line)
                     .arg(change.shown));
        }
    }
    if (check.run.loop)
        item(WarningText::loopEnd(check.run, framesPerSecond));
    if (!check.keyNames.isEmpty()) {
        text += tr("Keys it binds, and the names their presses show:") + u'\n';
        for (const auto &[key, names] : check.keyNames.first(check.keysOfNote))
            item(tr("%1: %2").arg(key, names.isEmpty() ? tr("no name") : names.join(u", "_s)));
        // Keys that do nothing of note are counted, not listed.
        if (const qsizetype rest = check.keyNames.size() - check.keysOfNote)
            item(tr("%n other keys show no name, and the warnings say nothing of them.", nullptr,
                int(rest)));
    }
    if (check.server.namesSet > 1) {
        text += tr("Names as others on the server see them, at sv_fps %1 (a snapshot every %2 "
                   "ms):")
                    .arg(check.server.snapshotsPerSecond)
                    .arg(check.server.snapshotMilliseconds)
            + u'\n';
        for (const SentName &name : check.server.sent) {
            if (name.seenFrom) {
                item(tr("%1, line %2: %3")
                         .arg(TickTime::seconds(*name.seenFrom))
                         .arg(name.line)
                         .arg(name.shown));
            }
        }
        if (check.run.loop)
            item(WarningText::loopEnd(check.run, framesPerSecond));
    }
    text += tr("Warnings:") + u'\n';
    if (check.warnings.isEmpty())
        item(WarningText::noWarnings());
    for (const ScriptWarning &warning : check.warnings)
        item(WarningText::describe(warning));
    if (!check.notes.isEmpty()) {
        text += tr("Notes:") + u'\n';
        for (const ScriptWarning &note : check.notes)
            item(WarningText::describe(note));
    }
    return text;
}
