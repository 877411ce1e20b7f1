// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "savenotice.h"

#include <QScreen>

namespace {

// Long enough to read two lines and type the command they give.
constexpr int shownFor = 15'000; // milliseconds

} // namespace

SaveNotice::SaveNotice(QWidget *window)
    : QLabel(window, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("saveNotice"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setMargin(6);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    m_hide.setSingleShot(true);
    m_hide.setInterval(shownFor);
    connect(&m_hide, &QTimer::timeout, this, &QWidget::hide);
}

void SaveNotice::showBelow(QWidget *window, const QString &text)
{
    auto *notice = window->findChild<SaveNotice *>(QString(), Qt::FindDirectChildrenOnly);
    if (!notice)
        notice = new SaveNotice(window);
    notice->setText(text);
    notice->adjustSize();

    // Below the window, or above it where the screen ends; never over the window's controls.
    const QRect frame = window->frameGeometry();
    const QRect screen = window->screen()->availableGeometry();
    QPoint at(frame.left(), frame.bottom() + 1);
    if (at.y() + notice->height() > screen.bottom())
        at.setY(frame.top() - notice->height());
    at.setX(std::clamp(
        at.x(), screen.left(), std::max(screen.left(), screen.right() - notice->width())));
    notice->move(at);
    notice->show();
    notice->m_hide.start();
}

void SaveNotice::mousePressEvent(QMouseEvent *) { hide(); }
