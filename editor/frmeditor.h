// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef FRMEDITOR_H
#define FRMEDITOR_H

#include "cfgfile/codepage.h"

#include <QMargins>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class GameColors;
class GameLetters;
class QAction;
class QLabel;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class ScriptOpener;
class ScriptPlayerWindow;
class RecoveryCopy;
class ScriptSaver;
struct SetNameLine;

// The script editor: a free-text script for animated names, started from the template. It
// receives the main window's commands at its end and saves its whole text. Hovering over a
// "set name" line previews that name as the game shows it. Its context menu and keys open a
// script (Ctrl+O, a recent one, or a .cfg dropped on it), play and check it (F5) and insert a
// generated animation (Ctrl+I). Closing it with changes asks whether to save them.
class frmEditor : public QWidget {
    Q_OBJECT

public:
    // recovery: where the editor keeps a copy of changes it has not saved. colors: the team
    // colors its previews and its player draw ^8 and ^9 in; letters: the game's own, which they
    // draw names in.
    frmEditor(ScriptSaver &saver, ScriptOpener &opener, RecoveryCopy &recovery, GameColors &colors,
        GameLetters &letters, QWidget *parent = nullptr);

    // Takes a script recovered from a program that ended without saving it, as changed text.
    void recover(const QString &text);
    // Writes the recovery copy of unsaved changes at once, before the program is ended.
    void keepRecoveryCopyNow();

    // Appends a space and the line's command at the very end of the script, whatever the caret,
    // on a line of its own; its name is the one Insert Animation starts from.
    void appendCommand(const SetNameLine &line);
    // Takes the text as it stands as the script's unchanged state, as a fresh editor's.
    void markUnchanged();
    // Asks which script to open (unless given one) and puts it in place of the text, as one
    // undo step.
    void openScript(const QString &path = {});
    // Shows the player window with this script, playing.
    void playScript();
    // Opens the dialog that makes an animation of the last handed-off name, and inserts the
    // animation at the caret as one undo step.
    void insertAnimation();
    // Before the text may go: when it has changes, asks whether to save them. True when they were
    // saved or the player let them go; false when the player cancelled or the save failed.
    bool settleChanges();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    void cmdSave_Click();

private:
    void createControls(QWidget *client);
    void createActions();
    void createMenus(QMenuBar *menuBar);
    // The file the editor holds and whether it has unsaved changes, below the layout.
    void showFileState();
    // The script as the player sees it, with '\n' between lines.
    QString scriptText() const;
    // The script's file text as far as the games read it, for the player window.
    QString gameText() const;
    void updatePlayer();
    // Asks where, or with toTheSameFile saves to the script last opened or saved here.
    bool saveScript(bool toTheSameFile = false);
    void showContextMenu(const QPoint &position);
    void placePlayerBeside();
    // Whether the player window has the frame the window manager gives it.
    bool playerIsFramed() const;
    void goToLine(int line);
    void splitLine(int line, int column);
    bool isDroppedScript(const QEvent *event) const;
    // The script is the one at path now, in the letters its place decides.
    void setScriptPath(const QString &path);

    ScriptSaver &m_saver;
    ScriptOpener &m_opener;
    RecoveryCopy &m_recovery;
    GameColors &m_colors;
    GameLetters &m_letters;
    QTimer m_recoveryPause; // the copy is written once typing pauses, not at every key
    QPlainTextEdit *txtEditor = nullptr;
    QPushButton *cmdSave = nullptr;
    QLabel *Label1 = nullptr;
    QAction *m_openAction = nullptr;
    QAction *m_playAction = nullptr;
    QAction *m_animationAction = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_saveAsAction = nullptr;
    QLabel *m_fileState = nullptr;
    QString m_lastHandedOffName;
    QString m_scriptPath; // last opened or saved here
    CodePage m_scriptCodePage; // of the scripts beside it
    // The text was opened from a file that ends with a line break, shown as an empty last line
    // that the caret can reach: the save's own line break stands for it.
    bool m_lastLineBreakShown = false;
    QPointer<ScriptPlayerWindow> m_player; // made when first asked for
    QMargins m_playerFrame; // the player's frame as its placement took it
    QTimer m_typingPause; // the player window follows the text once typing pauses
};

#endif // FRMEDITOR_H
