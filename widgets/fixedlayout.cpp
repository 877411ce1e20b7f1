// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fixedlayout.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

QStringList firstInstalledFamily(const QStringList &families)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : families) {
        if (installed.contains(family))
            return { family };
    }
    return families;
}

QFont fixedLayoutFont()
{
    QFont font;
    font.setFamilies(firstInstalledFamily({ QStringLiteral("MS Sans Serif"),
        QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
        QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans") }));
    font.setStyleHint(QFont::SansSerif);
    // Those metrics place glyphs side by side without kerning. Latin text then needs no
    // shaping, which also keeps the shaping engine and its font tables out of memory.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSize(8);
    return font;
}

namespace {

void fitFontToLabels(const QList<QLabel *> &labels)
{
    constexpr qreal step = 0.5;
    constexpr qreal smallest = 6; // points; below this a caption is no longer legible
    // How much each label's text overflows its box in a font: 1 when it fits.
    const auto overflow = [&labels](const QFont &font) {
        const QFontMetrics metrics(font);
        qreal most = 1;
        for (const QLabel *label : labels) {
            const QRect box = label->contentsRect();
            const QString &text = label->text();
            // A caption of one word needs no line breaking, whose layout costs many times more.
            QSize needed(metrics.horizontalAdvance(text), metrics.height());
            if (std::ranges::any_of(text, [](QChar c) { return c.isSpace(); })) {
                const int flags
                    = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
                needed = metrics.boundingRect(box, flags, text).size();
            }
            most = std::max({ most, qreal(needed.width()) / box.width(),
                qreal(needed.height()) / box.height() });
        }
        return most;
    };
    QFont font = labels.first()->font();
    // Each size tried loads the font anew, so the first guess scales by the overflow.
    qreal tooLarge = overflow(font);
    if (tooLarge == 1)
        return;
    qreal size = std::floor(font.pointSizeF() / tooLarge / step) * step;
    for (; size > smallest; size -= step) {
        font.setPointSizeF(size);
        if (overflow(font) == 1)
            break;
    }
    font.setPointSizeF(std::max(size, smallest));
    for (QLabel *label : labels)
        label->setFont(font);
}

// Fits the groups' fonts when its window first paints, then goes.
class FirstPaintFitter : public QObject {
public:
    FirstPaintFitter(QWidget *window, const QList<QList<QLabel *>> &groups)
        : QObject(window)
        , m_groups(groups)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The window paints before its labels, which then paint in their fitted fonts.
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            for (const QList<QLabel *> &group : std::as_const(m_groups))
                fitFontToLabels(group);
            deleteLater();
        }
        return false;
    }

private:
    QList<QList<QLabel *>> m_groups;
};

} // namespace

void fitFontsOnFirstPaint(QWidget *window, const QList<QList<QLabel *>> &groups)
{
    new FirstPaintFitter(window, groups);
}

MenuBarAndClient addMenuBarAbove(QWidget *window, QSize clientSize)
{
    auto *menuBar = new QMenuBar(window);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    auto *client = new QWidget(window);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(clientSize);
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(client);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return { menuBar, client };
}

void keepFromMaximizing(QWidget *window)
{
    // Naming the hints replaces the defaults, which include maximizing.
    window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}
