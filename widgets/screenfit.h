// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SCREENFIT_H
#define SCREENFIT_H

#include <QMargins>
#include <QSize>

class QWidget;

// The frame the window manager gave a window; none before it is shown.
QMargins frameMarginsOf(const QWidget *window);

// The size a window opening over another may take: wanted, or less where the available area of
// the other's screen has less room, frame included. The window's frame is not known before it
// is shown: the other's stands for it, as window managers frame a program's windows alike.
QSize sizeWithinScreen(QSize wanted, const QWidget *over);

// Gives a window about to open over another the size it may take of wanted, and centers it over
// the other, wholly on the other's screen, frame included.
void openWithinScreen(QWidget *window, QSize wanted, const QWidget *over);

#endif // SCREENFIT_H
