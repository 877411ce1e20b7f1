// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SCRIPTEDITORHANDOFF_H
#define SCRIPTEDITORHANDOFF_H

#include <QObject>
#include <QPointer>

#include "cfgfile/recoverycopy.h"

class GameColors;
class GameLetters;
class PlayerDialogs;
class QSessionManager;
class SessionEnd;
struct SetNameLine;
class ScriptOpener;
class ScriptSaver;
class frmEditor;
class frmNameScript;

// Hands the main window's command to the one script editor: creates the editor from the template
// when none is open, appends the command and shows it beside the main window. The editor's
// changes are settled before the main window closes or the desktop session ends, and the editor
// goes away with this object, so it ends with the program.
class ScriptEditorHandOff : public QObject {
    Q_OBJECT

public:
    // recoveryFolder: where the editor keeps copies of unsaved scripts; the program's data
    // folder when empty.
    ScriptEditorHandOff(frmNameScript &mainWindow, ScriptSaver &saver, ScriptOpener &opener,
        GameColors &colors, GameLetters &letters, const QString &recoveryFolder = {});
    ~ScriptEditorHandOff() override;

    // Opens the script at path in the editor, made for it when none is open.
    void openInEditor(const QString &path);
    // Before the session ends: the editor's changes are settled, asking the player when the
    // session allows it, and a player who keeps the editor keeps the session going.
    void settleBeforeSessionEnds(SessionEnd &end);
    // Offers back, one at a time, the scripts that programs ended without saving left: the
    // first recovered opens in the editor as changed, and any others wait for the next start.
    void offerRecoveredScripts(PlayerDialogs &dialogs);
    // Before the program is ended from outside (a signal, a closed console): the editor's
    // changes are copied first, then the main window closes as the player would close it.
    void endInOrder();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void handOff(const SetNameLine &line);

private:
    frmEditor *editor();
    void answerSessionManager(QSessionManager &manager);

    ScriptSaver &m_saver;
    ScriptOpener &m_opener;
    GameColors &m_colors;
    GameLetters &m_letters;
    frmNameScript &m_mainWindow;
    RecoveryCopy m_recovery;
    bool m_ending = false; // while endInOrder() closes the main window
    QPointer<frmEditor> m_editor; // null once the player closes the editor
};

#endif // SCRIPTEDITORHANDOFF_H
