// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "savenotice.h"

#include <QApplication>
#include <QClipboard>
#include <QScreen>

namespace {

constexpr int shownFor = 30'000; // milliseconds
const QString copyLink = QStringLiteral("copy");

} // namespace

SaveNotice::SaveNotice(QWidget *window)
    : QLabel(window, Qt::ToolTip | Qt::FramelessWindowHint)
    , m_window(window)
{
    setObjectName(QStringLiteral("saveNotice"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse);
    setMargin(6);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    m_hide.setSingleShot(true);
    m_hide.setInterval(shownFor);
    connect(&m_hide, &QTimer::timeout, this, &QWidget::hide);
    connect(this, &QLabel::linkActivated, this, [this](const QString &link) {
        if (link == copyLink)
            QGuiApplication::clipboard()->setText(m_command);
    });
}

void SaveNotice::showBelow(QWidget *window, const QString &text, const QString &command)
{
    auto *notice = window->findChild<SaveNotice *>(QString(), Qt::FindDirectChildrenOnly);
    if (!notice)
        notice = new SaveNotice(window);
    notice->m_command = command;
    QString html = text.toHtmlEscaped().replace(u'\n', u"<br>"_qs);
    if (!command.isEmpty()) {
        html += u"<br><a href=\"%1\">%2</a>"_qs.arg(
            copyLink, tr("Copy %1").arg(command.toHtmlEscaped()));
    }
    notice->setText(u"<p style=\"white-space:pre\">"_qs + html + u"</p>"_qs);
    notice->adjustSize();

    // Below the window, or above it where the screen ends; never over the window's controls,
    // and inside the screen.
    const QRect frame = window->frameGeometry();
    const QRect screen = window->screen()->availableGeometry();
    QPoint at(frame.left(), frame.bottom() + 1);
    if (at.y() + notice->height() > screen.bottom())
        at.setY(std::max(screen.top(), frame.top() - notice->height()));
    at.setX(std::clamp(
        at.x(), screen.left(), std::max(screen.left(), screen.right() - notice->width())));
    notice->move(at);
    notice->show();
    notice->m_hide.start();
    // The player's next action in the window ends it.
    qApp->installEventFilter(notice);
}

bool SaveNotice::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress: {
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && m_window && widget->window() == m_window)
            hide();
        break;
    }
    case QEvent::WindowDeactivate:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Hide:
        if (watched == m_window)
            hide();
        break;
    default:
        break;
    }
    return false;
}

void SaveNotice::hideEvent(QHideEvent *event)
{
    qApp->removeEventFilter(this);
    m_hide.stop();
    QLabel::hideEvent(event);
}
