// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef LETTERSNOTE_H
#define LETTERSNOTE_H

#include <QLabel>
#include <QPointer>

class GameLetters;

// The small line under a name that says what letters it is drawn in: "in COD 2's own letters"
// once the game's font is read, nothing while it loads or without the game.
class LettersNote : public QLabel {
    Q_OBJECT

public:
    explicit LettersNote(QWidget *parent = nullptr);

    // Says what letters draws in, and follows it; nothing says nothing.
    void follow(GameLetters *letters);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    void showNote();

    QPointer<GameLetters> m_letters;
};

#endif // LETTERSNOTE_H
