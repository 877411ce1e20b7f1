// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PASTEANDDROP_H
#define PASTEANDDROP_H

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QStringList>
#include <QTest>

using namespace Qt::StringLiterals;

// What a line edit holding "[]" with the caret between the brackets holds after text is pasted
// there with Ctrl+V, and after the same text is dropped there instead.
inline QStringList pastedAndDropped(QLineEdit *box, const QString &inserted)
{
    QStringList held;
    box->setText(u"[]"_s);
    box->setCursorPosition(1);
    QGuiApplication::clipboard()->setText(inserted);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    held << box->text();

    box->setText(u"[]"_s);
    QMimeData data;
    data.setText(inserted);
    box->setCursorPosition(1);
    const QPoint dropAt = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QDragEnterEvent enter(dropAt, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(box, &enter);
    QDropEvent drop(dropAt, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(box, &drop);
    held << box->text();
    return held;
}

#endif // PASTEANDDROP_H
