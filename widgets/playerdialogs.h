// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLAYERDIALOGS_H
#define PLAYERDIALOGS_H

#include "cfgfile/codepage.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

class QWidget;

// Everything the windows ask of the player, or tell them, in a dialog of its own: where a script
// goes, which one to open, whether changed text may go, and why something failed. The program
// shows dialogs; tests answer instead.
class PlayerDialogs {
public:
    enum class ChangesAnswer { Save, Discard, Cancel };

    virtual ~PlayerDialogs() = default;

    // The chosen path, or an empty string when the player cancelled.
    virtual QString chooseSavePath(QWidget *parent) = 0;
    // The same, starting in the player's own documents: after a folder that could not be written.
    virtual QString chooseSavePathElsewhere(QWidget *parent) = 0;
    virtual QString chooseOpenPath(QWidget *parent) = 0;
    // True when the player agrees to replace text they changed and did not save.
    virtual bool confirmReplacingChanges(QWidget *parent) = 0;
    // Whether text the player changed is saved before its window closes, let go, or kept open.
    // script: the file the text came from or went to last, empty for a new script.
    virtual ChangesAnswer askToSaveChanges(QWidget *parent, const QString &script) = 0;
    // True when the player recovers the script a program that ended without saving it left,
    // written at that time; false when they discard it.
    virtual bool confirmRecovering(QWidget *parent, const QDateTime &written) = 0;
    // True when the player opens a file far larger than any game reads, or with a line longer
    // than one.
    virtual bool confirmOpeningLargeScript(QWidget *parent, const QString &path) = 0;
    // True when the player wants a script that was saved as UTF-8 read as UTF-8, to be saved in
    // the code page, with the letters it lacks spelt as respellings say ("“Ł” as “L”").
    virtual bool confirmReadingAsUtf8(
        QWidget *parent, const QString &path, CodePage codePage, const QStringList &respellings)
        = 0;
    // A script was saved there from window: where that window's next save may start.
    virtual void rememberFolderOf(QWidget *window, const QString &savedPath)
    {
        Q_UNUSED(window)
        Q_UNUSED(savedPath)
    }
    // Tells the player that a save or an open failed, or why a window does not do what it was
    // asked.
    virtual void reportFailure(QWidget *parent, const QString &message) = 0;
    // Tells the player that a save failed in a folder that cannot be written, and asks whether
    // to save elsewhere. True when they want to.
    virtual bool offerSavingElsewhere(QWidget *parent, const QString &message) = 0;
};

#endif // PLAYERDIALOGS_H
