// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "savenotice.h"

#include <QApplication>
#include <QClipboard>
#include <QScreen>

namespace {

constexpr int shownFor = 30'000; // milliseconds
constexpr int readableLine = 80; // characters
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
        if (link != copyLink)
            return;
        QGuiApplication::clipboard()->setText(m_command);
        // Copying makes no sound or sight of its own: the notice says it.
        m_copied = true;
        showText();
    });
}

void SaveNotice::showText()
{
    QString html = m_text.toHtmlEscaped().replace(u'\n', u"<br>"_qs);
    if (!m_command.isEmpty()) {
        html += u"<br><a href=\"%1\">%2</a>"_qs.arg(
            copyLink, (m_copied ? tr("Copied %1") : tr("Copy %1")).arg(m_command.toHtmlEscaped()));
    }
    setText(u"<p style=\"white-space:pre-wrap\">"_qs + html + u"</p>"_qs);

    // As wide as its longest line, but no wider than the window, or than a line easy to read
    // beside a narrow window, and never wider than the screen: a longer line wraps, whole words
    // on each line, and the notice grows in height.
    const QRect frame = m_window->frameGeometry();
    const QRect screen = m_window->screen()->availableGeometry();
    setWordWrap(false);
    const int longestLine = sizeHint().width();
    const int widest = std::min(
        screen.width(), std::max(frame.width(), fontMetrics().averageCharWidth() * readableLine));
    setWordWrap(longestLine > widest);
    const int width = std::min(longestLine, widest);
    resize(width, wordWrap() ? heightForWidth(width) : sizeHint().height());

    // Below the window, or above it where the screen ends; never over the window's controls,
    // and inside the screen.
    QPoint at(frame.left(), frame.bottom() + 1);
    if (at.y() + height() > screen.bottom())
        at.setY(std::max(screen.top(), frame.top() - height()));
    at.setX(std::clamp(at.x(), screen.left(), std::max(screen.left(), screen.right() - width)));
    move(at);
}

void SaveNotice::showBelow(QWidget *window, const QString &text, const QString &command)
{
    auto *notice = window->findChild<SaveNotice *>(QString(), Qt::FindDirectChildrenOnly);
    if (!notice)
        notice = new SaveNotice(window);
    notice->m_text = text;
    notice->m_command = command;
    notice->m_copied = false;
    notice->showText();
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
