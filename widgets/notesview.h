// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef NOTESVIEW_H
#define NOTESVIEW_H

#include <QTextDocument>
#include <QWidget>

// Rich text wrapped at the view's width, drawn and sized as a word-wrapped QLabel draws and sizes
// it, but laid out once for each text and width: a QLabel lays its text out again for each size
// it is asked, eight times and more for each change in a scroll area, which the kept preview makes
// at every keystroke.
class NotesView : public QWidget {
    Q_OBJECT

public:
    explicit NotesView(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &html);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void layOut(int width) const;

    QString m_text;
    mutable QTextDocument m_document;
    mutable int m_laidOutWidth = -1;
    mutable QSize m_sizeHint;
};

#endif // NOTESVIEW_H
