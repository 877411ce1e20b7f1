// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screenfit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

QMargins frameMarginsOf(const QWidget *window)
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return { inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
        outer.bottom() - inner.bottom() };
}

QSize sizeWithinScreen(QSize wanted, const QWidget *over)
{
    const QScreen *screen = over ? over->screen() : QGuiApplication::primaryScreen();
    const QMargins frame = over ? frameMarginsOf(over->window()) : QMargins();
    return wanted.boundedTo(screen->availableGeometry().size().shrunkBy(frame));
}

void openWithinScreen(QWidget *window, QSize wanted, const QWidget *over)
{
    window->resize(sizeWithinScreen(wanted, over));
    const QRect screen
        = (over ? over->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    const QSize frame = window->size().grownBy(over ? frameMarginsOf(over->window()) : QMargins());
    // Qt centers a dialog with its client area and may leave its frame off the screen.
    const QPoint center = over ? over->window()->frameGeometry().center() : screen.center();
    const auto within = [](int at, int from, int length, int room) {
        return std::clamp(at, from, std::max(from, from + room - length));
    };
    window->move(
        within(center.x() - frame.width() / 2, screen.left(), frame.width(), screen.width()),
        within(center.y() - frame.height() / 2, screen.top(), frame.height(), screen.height()));
}
