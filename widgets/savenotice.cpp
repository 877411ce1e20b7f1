// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "savenotice.h"

#include "checker/scriptchecker.h"
#include "games/scriptplace.h"
#include "checker/warningtext.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

constexpr int shownFor = 30'000; // milliseconds
constexpr int readableLine = 80; // characters
const QString copyLink = QStringLiteral("copy");

QString keyName(const QString &key) { return key.size() == 1 ? key.toUpper() : key; }

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
    QString html = m_text.toHtmlEscaped().replace(u'\n', u"<br>"_s);
    if (!m_command.isEmpty()) {
        html += u"<br><a href=\"%1\">%2</a>"_s.arg(
            copyLink, (m_copied ? tr("Copied %1") : tr("Copy %1")).arg(m_command.toHtmlEscaped()));
    }
    setText(u"<p style=\"white-space:pre-wrap\">"_s + html + u"</p>"_s);

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

QString SaveNotice::textFor(
    const ScriptPlace &place, const QList<GameInstall> &installed, QStringView fileText)
{
    const QString file = QFileInfo(place.savePath()).fileName();
    const QString command = place.consoleCommand();
    QStringList lines;
    if (const std::optional<GameInstall> &game = place.game()) {
        lines << tr("Saved %1 in the %2 folder of %3.")
                     .arg(file, QFileInfo(game->mainFolder).fileName(),
                         GameNames::of(game->family()));
        if (game->scriptFolder != game->mainFolder) {
            lines << tr("Windows keeps it for the game in %1, since the game's own folder is "
                        "protected; the game finds it there.")
                         .arg(QDir::toNativeSeparators(game->scriptFolder));
        }
        lines << tr("In the game, open the console (~) and type: %1").arg(command);
    } else {
        lines << tr("Saved %1.").arg(QDir::toNativeSeparators(place.savePath()));
        if (installed.isEmpty()) {
            lines << tr("Put it in the game's main folder first, then in the game open the "
                        "console (~) and type: %1")
                         .arg(command);
        } else {
            lines << tr("Put it in the main folder of %1 first (%2), then in the game open the "
                        "console (~) and type: %3")
                         .arg(GameNames::of(installed.first().family()),
                             QDir::toNativeSeparators(installed.first().scriptFolder), command);
        }
    }
    // What the checker finds, without keeping the script from being saved; the keys as the
    // console of the game the script is for binds them, in the same run.
    const GameVersion game = place.game() ? place.game()->version : defaultGameVersion;
    const ScriptCheck check = ScriptChecker::check(fileText, ConsoleRules::defaultMaxFps, game);
    QStringList keys;
    for (const KeyBinding &binding : check.run.finalBindings())
        keys << keyName(binding.key);
    if (!keys.isEmpty())
        lines << tr("Then press %1 to play it.").arg(keys.join(tr(" or ")));
    if (check.warnings.size() == 1) {
        const ScriptWarning &warning = check.warnings.first();
        // A one-line script needs no line number.
        lines << tr("The checker warns: %1")
                     .arg(
                         fileText.count(u'\n') > 1 ? WarningText::describe(warning) : warning.text);
    } else if (check.warnings.size() > 1) {
        lines << tr("The checker finds %n warnings: Play and Check (F5) in the editor lists "
                    "them.",
            nullptr, int(check.warnings.size()));
    }
    return lines.join(u'\n');
}
