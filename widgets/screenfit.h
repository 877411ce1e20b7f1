// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SCREENFIT_H
#define SCREENFIT_H

#include <QMargins>

class QWidget;

// The frame the window manager gave a window; none before it is shown.
QMargins frameMarginsOf(const QWidget *window);

#endif // SCREENFIT_H
