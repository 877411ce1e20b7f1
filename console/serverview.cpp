// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serverview.h"

#include <algorithm>
#include <cmath>
#include <limits>

ServerView ServerView::of(
    const ConsoleRun &run, int maxFps, int snapshotsPerSecond, qint64 fromTick)
{
    using ConsoleRules::ticksPerFrame;
    ServerView view;
    view.snapshotsPerSecond = snapshotsPerSecond;
    view.snapshotMilliseconds
        = ConsoleRules::snapshotMilliseconds(snapshotsPerSecond, ConsoleRules::snapsOn(run.server));
    const QList<NameChange> &changes = run.nameChanges;
    const auto first = std::ranges::find_if(
        changes, [fromTick](const NameChange &change) { return change.tick >= fromTick; });
    // Of a loop, one round: what comes after it comes again.
    const qint64 endTick = run.loop && run.loop->periodTicks > 0
        ? run.loop->firstTick + run.loop->periodTicks
        : std::numeric_limits<qint64>::max();
    const auto end = std::find_if(first, changes.end(),
        [endTick](const NameChange &change) { return change.tick >= endTick; });
    const qsizetype last = end - changes.begin() - 1;
    // A name sent is no plain bytes to move: room for every name once, not copies at each growth.
    view.sent.reserve(last + 1 - (first - changes.begin()));
    // The last name set in each client frame, when it differs from the one sent before.
    for (auto i = first - changes.begin(); i <= last; ++i) {
        ++view.namesSet;
        const NameChange &change = changes[i];
        const qint64 frame = change.tick / ticksPerFrame;
        const bool lastOfItsFrame = i == last || changes[i + 1].tick / ticksPerFrame != frame;
        if (!lastOfItsFrame || (!view.sent.isEmpty() && view.sent.last().shown == change.shown))
            continue;
        view.sent << SentName { run.millisecondsAt(frame * ticksPerFrame, maxFps), change.shown,
            change.line, i, {} };
    }
    if (view.sent.isEmpty())
        return view;
    // A loop sends its names for ever: after its last comes its first again, a period later.
    std::optional<double> period;
    qsizetype loopStart = 0;
    if (run.loop && run.loop->periodTicks > 0) {
        period = run.millisecondsAt(run.loop->firstTick + run.loop->periodTicks, maxFps)
            - run.millisecondsAt(run.loop->firstTick, maxFps);
        while (loopStart + 1 < view.sent.size()
            && changes[view.sent[loopStart].change].tick < run.loop->firstTick)
            ++loopStart;
    }
    const auto replacedAt = [&](qsizetype i) -> std::optional<double> {
        if (i + 1 < view.sent.size())
            return view.sent[i + 1].milliseconds;
        if (period && view.sent[loopStart].shown != view.sent[i].shown)
            return view.sent[loopStart].milliseconds + *period;
        return std::nullopt;
    };
    // A name that lasts a snapshot or more is in at least one of them: the server frames fall
    // every snapshot, at a time that has nothing to do with the client's. A shorter one may be in
    // none, and is taken as skipped; the snapshots here fall on the multiples of their time.
    const double snapshot = view.snapshotMilliseconds;
    view.shortestGap = std::numeric_limits<double>::max();
    for (qsizetype i = 0; i < view.sent.size(); ++i) {
        SentName &name = view.sent[i];
        const std::optional<double> replaced = replacedAt(i);
        if (!replaced || *replaced - name.milliseconds >= snapshot) {
            name.seenFrom = std::ceil(name.milliseconds / snapshot) * snapshot;
            ++view.namesSeen;
        }
        if (replaced)
            view.shortestGap = std::min(view.shortestGap, *replaced - name.milliseconds);
    }
    if (view.shortestGap == std::numeric_limits<double>::max())
        view.shortestGap = 0;
    // The most names sent within a second, a loop's at its rate for ever.
    qsizetype windowStart = 0;
    for (qsizetype i = 0; i < view.sent.size(); ++i) {
        while (view.sent[i].milliseconds - view.sent[windowStart].milliseconds >= 1000)
            ++windowStart;
        view.mostPerSecond = std::max(view.mostPerSecond, double(i - windowStart + 1));
    }
    if (period) {
        const qsizetype inPeriod = view.sent.size() - loopStart;
        view.mostPerSecond = std::max(view.mostPerSecond, inPeriod * 1000 / *period);
    }
    return view;
}

const SentName *ServerView::seenAt(double milliseconds) const
{
    const SentName *seen = nullptr;
    for (const SentName &name : sent) {
        if (name.seenFrom && *name.seenFrom <= milliseconds)
            seen = &name;
    }
    return seen;
}
