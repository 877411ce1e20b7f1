// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SAVENOTICE_H
#define SAVENOTICE_H

#include <QLabel>
#include <QList>
#include <QPointer>
#include <QTimer>

struct GameInstall;
class ScriptPlace;

// The one notice below a window after a save: what to do in the game, with its command to copy.
// Its text can be selected; it goes at the player's next click or key in the window, when the
// window moves or another window comes over it, or after a while.
class SaveNotice : public QLabel {
    Q_OBJECT

public:
    // Shows text below window, in the window's one notice; command is offered to copy.
    static void showBelow(QWidget *window, const QString &text, const QString &command);
    // What to do with a script saved at place, for its file as the game reads it (what it holds
    // beyond the largest command buffer changes nothing): "/exec
    // sniper.cfg" in the game's console when it is in a game's folder, else to put it there
    // first; the keys it binds; what the checker finds. installed: the games on this computer.
    static QString textFor(
        const ScriptPlace &place, const QList<GameInstall> &installed, QStringView fileText);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    explicit SaveNotice(QWidget *window);
    // The text, and the command to copy or that it was copied, below the window.
    void showText();

    QPointer<QWidget> m_window;
    QString m_text;
    QString m_command;
    bool m_copied = false;
    QTimer m_hide;
};

#endif // SAVENOTICE_H
