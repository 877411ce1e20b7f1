// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ANIMATIONDIALOG_H
#define ANIMATIONDIALOG_H

#include "animation/animation.h"
#include "checker/scriptchecker.h"

#include <QDialog>
#include <QTimer>

class GameColors;
class GameLetters;
class GameNameView;
class QAbstractButton;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

// Makes an animated name from a name: the player picks an effect, its colors, the delay and
// whether it plays once or steps with a key, and sees it play with its size and the checker's
// word before the script is inserted.
class AnimationDialog : public QDialog {
    Q_OBJECT

public:
    // gameColors: the team colors its swatches and its preview draw ^8 and ^9 in; letters:
    // the game's own, which its preview draws in.
    AnimationDialog(const QString &name, const GameColors &gameColors, GameLetters &letters,
        QWidget *parent = nullptr);

    // The script to insert, with '\n' between its lines.
    QString script() const { return m_animation.script; }
    // The player's own com_maxfps, as the game's config sets it.
    void setFramesPerSecond(int maxFps);
    // The keys the game's own configs bind, which a key-step animation would bind anew.
    void setKeysBoundInTheGame(const QList<KeyBinding> &bindings);

    // Opens within the screen.
    void setVisible(bool visible) override;

private slots:
    void regenerate();
    void useShorterForm();
    void useChatSafePace();
    void showNextFrame();

private:
    void fitTheScreen();
    AnimationSettings settings() const;
    // What the pace costs on a server: what the others see, chat, the player's keys.
    QString paceCosts(const ScriptCheck &check) const;
    void setSettings(const AnimationSettings &settings);
    // The last choices inserted, kept in the settings, the name aside.
    void restoreChoices();
    void keepChoices();

    Animation m_animation;
    QList<KeyBinding> m_boundInTheGame;
    qsizetype m_frame = 0;
    QTimer m_frames;

    QLineEdit *m_name;
    QComboBox *m_effect;
    QList<QAbstractButton *> m_colors; // ^1 to ^9, then ^0
    QSpinBox *m_delay;
    QSpinBox *m_framesPerSecond;
    QLabel *m_seconds;
    QComboBox *m_form;
    QLineEdit *m_key;
    QLineEdit *m_prefix;
    QCheckBox *m_codesOnlyWhereColorChanges;
    QSpinBox *m_coloredLetters;
    GameNameView *m_preview;
    QLabel *m_size;
    QLabel *m_problem;
    QLabel *m_pace;
    QAbstractButton *m_chatSafe;
    QAbstractButton *m_shorter;
    QPlainTextEdit *m_script;
    QDialogButtonBox *m_buttons;
};

#endif // ANIMATIONDIALOG_H
