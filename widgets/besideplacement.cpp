// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "besideplacement.h"

#include <algorithm>
#include <optional>

namespace {

// The side of an area the window keeps to.
enum class Side { Left, Right, Top, Bottom };

qint64 areaOf(const QRect &rect)
{
    return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
}

} // namespace

QRect BesidePlacement::place() const
{
    const QSize frameSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    // The window in an area of the screen, as large as it would like and no larger than the
    // area, at the area's side next to what it follows and level with anchor. fits: its
    // contents have the room they need.
    struct Placed {
        QRect geometry;
        bool fits = false;
    };
    const auto placeIn = [&](const QRect &room, Side side, QPoint anchor) {
        const QSize roomSize = room.size() - frameSize;
        const int width = std::max(std::min(wanted.width(), roomSize.width()), minimumWidth);
        const int needed = minimumHeightAt(width);
        const int height
            = std::max(std::min(std::max(wanted.height(), needed), roomSize.height()), needed);
        Placed placed;
        placed.fits = width <= roomSize.width() && height <= roomSize.height();
        // On a screen too small for its contents, it takes the whole screen.
        const QSize size = (QSize(width, height) + frameSize).boundedTo(screen.size());
        const auto within = [](int at, int from, int to, int length) {
            return std::clamp(at, from, std::max(from, to - length + 1));
        };
        QPoint at(within(anchor.x(), room.left(), room.right(), size.width()),
            within(anchor.y(), room.top(), room.bottom(), size.height()));
        if (side == Side::Right)
            at.setX(room.left());
        else if (side == Side::Left)
            at.setX(room.right() - size.width() + 1);
        else if (side == Side::Bottom)
            at.setY(room.top());
        else
            at.setY(room.bottom() - size.height() + 1);
        // Never off the screen, whatever it covers.
        at.setX(within(at.x(), screen.left(), screen.right(), size.width()));
        at.setY(within(at.y(), screen.top(), screen.bottom(), size.height()));
        placed.geometry = QRect(at, size);
        return placed;
    };
    const auto rightOf = [this](const QRect &rect) {
        return QRect(QPoint(rect.right() + 1, screen.top()), screen.bottomRight());
    };
    const auto leftOf = [this](const QRect &rect) {
        return QRect(screen.topLeft(), QPoint(rect.left() - 1, screen.bottom()));
    };

    // Beside the window it follows, right of it first.
    for (const auto &[room, side] :
        { std::pair(rightOf(beside), Side::Right), std::pair(leftOf(beside), Side::Left) }) {
        const Placed placed = placeIn(room, side, beside.topLeft());
        if (placed.fits)
            return placed.geometry;
    }

    // Else clear of the part read, over the program's other windows where it can.
    const QPoint anchor = mayCover.isEmpty() ? beside.topLeft() : mayCover.first().topLeft();
    const std::pair<QRect, Side> clearOf[] = {
        { rightOf(keepClear), Side::Right },
        { leftOf(keepClear), Side::Left },
        { QRect(QPoint(screen.left(), keepClear.bottom() + 1), screen.bottomRight()),
            Side::Bottom },
        { QRect(screen.topLeft(), QPoint(screen.right(), keepClear.top() - 1)), Side::Top },
    };
    const auto covered = [this](const QRect &geometry) {
        qint64 area = 0;
        for (const QRect &window : mayCover)
            area += areaOf(window & geometry);
        return area;
    };
    std::optional<Placed> best;
    for (const auto &[room, side] : clearOf) {
        const Placed placed = placeIn(room, side, anchor);
        if (placed.fits && (!best || covered(placed.geometry) > covered(best->geometry)))
            best = placed;
    }
    if (best)
        return best->geometry;

    // A screen too small for both: where the least of the part read is covered.
    std::optional<Placed> least;
    for (const auto &[room, side] : clearOf) {
        const Placed placed = placeIn(room, side, anchor);
        if (!least || areaOf(placed.geometry & keepClear) < areaOf(least->geometry & keepClear))
            least = placed;
    }
    return least->geometry;
}
