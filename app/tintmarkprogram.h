// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TINTMARKPROGRAM_H
#define TINTMARKPROGRAM_H

#include "composer/frmnamescript.h"
#include "widgets/gamecolors.h"
#include "widgets/gameedition.h"
#include "widgets/gameletters.h"
#include "games/installedgames.h"
#include "scripteditorhandoff.h"
#include "widgets/scriptopener.h"
#include "widgets/scriptsaver.h"

class PlayerDialogs;

// The assembled program: the main window, the one save operation that both windows share, the
// editor's open operation, the hand-off to the script editor, and the game's edition and team
// colors the windows write and draw for, and the game's letters their previews draw names in.
// main() makes it with the program's dialogs and the games of this computer; tests make it with
// their own.
class TintmarkProgram {
public:
    // recoveryFolder: where unsaved scripts are copied; the program's data folder when empty.
    TintmarkProgram(
        PlayerDialogs &dialogs, InstalledGames &games, const QString &recoveryFolder = {});
    ~TintmarkProgram();

    frmNameScript &mainWindow() { return m_mainWindow; }
    GameEdition &edition() { return m_edition; }
    GameColors &colors() { return m_colors; }
    GameLetters &letters() { return m_letters; }
    // Starts as the player starts it: the main window shows, the scripts that earlier runs ended
    // without saving are offered back, and the script given, if any, opens in the editor.
    void start(const QString &script = {});
    // Opens a script in the editor, as "tintmark FILE" does.
    void openInEditor(const QString &path) { m_editorHandOff.openInEditor(path); }
    void settleBeforeSessionEnds(SessionEnd &end) { m_editorHandOff.settleBeforeSessionEnds(end); }
    // Offers the scripts that earlier runs ended without saving.
    void offerRecoveredScripts() { m_editorHandOff.offerRecoveredScripts(m_dialogs); }
    // Ends the program from outside as the player would, the unsaved script copied first.
    void endInOrder() { m_editorHandOff.endInOrder(); }

    // Its name, version and settings, before any application object.
    static void setUpIdentity();
    // What belongs to the application as a whole: the identity, the font and the icon.
    static void setUpApplication();

private:
    PlayerDialogs &m_dialogs;
    GameEdition m_edition;
    GameColors m_colors;
    GameLetters m_letters;
    ScriptSaver m_saver;
    ScriptOpener m_opener;
    frmNameScript m_mainWindow;
    ScriptEditorHandOff m_editorHandOff;
};

#endif // TINTMARKPROGRAM_H
