// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef NUMBEREDTEXTEDIT_H
#define NUMBEREDTEXTEDIT_H

#include <QPlainTextEdit>

// A plain text editor with the line numbers in a gutter at its left, as in Qt's Code Editor
// example: the checker's warnings name lines.
class NumberedTextEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit NumberedTextEdit(QWidget *parent = nullptr);

    int gutterWidth() const;
    void paintGutter(QPaintEvent *event);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateGutterWidth();
    void updateGutter(const QRect &rect, int dy);

    QWidget *m_gutter;
};

#endif // NUMBEREDTEXTEDIT_H
