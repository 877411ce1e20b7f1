// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lettersnote.h"

#include "gameletters.h"

LettersNote::LettersNote(QWidget *parent)
    : QLabel(parent)
{
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    setFont(small);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QSize LettersNote::sizeHint() const
{
    // A line of its own whether or not it says anything, so that its window keeps its size when
    // the game's font has been read; in the font it has now, which follows its window's.
    const QRect line = fontMetrics().boundingRect(QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX),
        int(alignment()), QStringLiteral("X"));
    return { QLabel::sizeHint().width(), line.height() + contentsMargins().top() + contentsMargins().bottom() };
}

QSize LettersNote::minimumSizeHint() const
{
    return { QLabel::minimumSizeHint().width(), sizeHint().height() };
}

void LettersNote::follow(GameLetters *letters)
{
    if (m_letters)
        disconnect(m_letters, nullptr, this, nullptr);
    m_letters = letters;
    if (letters)
        connect(letters, &GameLetters::changed, this, &LettersNote::showNote);
    showNote();
}

void LettersNote::showNote()
{
    setText(m_letters ? m_letters->note() : QString());
}
