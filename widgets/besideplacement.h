// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef BESIDEPLACEMENT_H
#define BESIDEPLACEMENT_H

#include <QList>
#include <QMargins>
#include <QRect>

#include <functional>

// Where a window goes that follows another, as the player window follows the editor's text:
// wholly on the screen, beside the other where there is room, narrower if it must be; else over
// the program's other windows rather than the desktop's, and never over the part of the other
// that the player reads. All in the screen's coordinates, frames included where they say so.
struct BesidePlacement {
    QRect screen; // the screen's available area
    QRect beside; // the frame of the window followed
    QRect keepClear; // the part of it never covered
    QList<QRect> mayCover; // the frames of the program's other windows
    QMargins frame; // the frame the window placed gets
    QSize wanted; // its client size
    int minimumWidth = 0; // of its client
    // The least height its client needs at a width.
    std::function<int(int)> minimumHeightAt;

    // The frame geometry of the window placed.
    QRect place() const;
};

#endif // BESIDEPLACEMENT_H
