// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PINNEDPREVIEW_H
#define PINNEDPREVIEW_H

#include <QWidget>

class GameColors;
class GameLetters;
class GameNameView;
struct JudgedName;
class LettersNote;
class NotesView;

// The name preview kept on screen in a small window of its own beside its window, following the
// name as it is typed, until the player closes it.
class PinnedPreview : public QWidget {
    Q_OBJECT

public:
    // colors: the team colors it draws the name in, which it follows; letters: the font.
    PinnedPreview(QWidget *window, const GameColors &colors, GameLetters &letters);

    void setName(const JudgedName &judged);
    // Just above the window, or below it where the screen ends.
    void placeBeside(QWidget *window);

private:
    const GameColors &m_colors;
    GameNameView *m_name;
    LettersNote *m_letters;
    NotesView *m_details;
};

#endif // PINNEDPREVIEW_H
