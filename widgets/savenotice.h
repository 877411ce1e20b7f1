// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SAVENOTICE_H
#define SAVENOTICE_H

#include <QLabel>
#include <QTimer>

// Says, after a save, where the script went and what to type in the game to run it. It shows
// for a while just below the window, over nothing of it, and needs no click: a click or a new
// notice ends it sooner.
class SaveNotice : public QLabel {
    Q_OBJECT

public:
    // Shows text below window, in the window's one notice.
    static void showBelow(QWidget *window, const QString &text);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    explicit SaveNotice(QWidget *window);

    QTimer m_hide;
};

#endif // SAVENOTICE_H
