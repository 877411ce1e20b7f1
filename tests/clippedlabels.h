// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CLIPPEDLABELS_H
#define CLIPPEDLABELS_H

#include <QFontMetrics>
#include <QLabel>
#include <QRegularExpression>
#include <QStringList>
#include <QTextDocument>
#include <QtMath>
#include <QWidget>

// The shown labels of a window whose text, laid out in the font they draw it with, runs past
// their box: "name: needed width x height in box width x height".
inline QStringList clippedLabels(const QWidget *window)
{
    QStringList clipped;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        // A hidden label shows nothing, and keeps the geometry it last had.
        if (!label->isVisibleTo(window))
            continue;
        const QRect box = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
        // A label with a buddy shows its access key underlined, not its '&'.
        QString text = label->text();
        if (label->buddy())
            text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
        QRect needed = label->fontMetrics().boundingRect(box, flags, text);
        // Rich text is laid out as a document, its markup taking no room.
        if (label->textFormat() == Qt::RichText
            || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()))) {
            QTextDocument document;
            document.setDefaultFont(label->font());
            document.setDocumentMargin(0);
            document.setHtml(label->text());
            if (label->wordWrap())
                document.setTextWidth(box.width());
            const QSizeF size = document.size();
            needed = QRect(box.topLeft(), QSize(qCeil(size.width()), qCeil(size.height())));
        }
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
