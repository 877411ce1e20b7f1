// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CLIPPEDLABELS_H
#define CLIPPEDLABELS_H

#include <QFontMetrics>
#include <QLabel>
#include <QStringList>
#include <QWidget>

// The labels of a window whose text, laid out in the font they draw it with, runs past their
// box: "name: needed width x height in box width x height".
inline QStringList clippedLabels(const QWidget *window)
{
    QStringList clipped;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        const QRect box = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
        const QRect needed = label->fontMetrics().boundingRect(box, flags, label->text());
        if (!box.contains(needed)) {
            clipped << QStringLiteral("%1: %2x%3 in %4x%5")
                           .arg(label->objectName())
                           .arg(needed.width())
                           .arg(needed.height())
                           .arg(box.width())
                           .arg(box.height());
        }
    }
    return clipped;
}

#endif // CLIPPEDLABELS_H
