// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SCRIPTOPENER_H
#define SCRIPTOPENER_H

#include "playerdialogs.h"

#include <QCoreApplication>

#include <optional>

class GameEdition;
class QWidget;

// A script read from a file, in the editor's form.
struct OpenedScript {
    QString path;
    QString text;
    bool readAsUtf8 = false; // a save writes other bytes than the file holds
    // The file ends with a line break, which text leaves out: a save writes one after the text.
    bool endsWithLineBreak = false;
};

// Opens a script for the editor: asks before changed text goes, asks which file, reads it.
// Cancel ends it quietly; a file that cannot be read is reported with the reason.
class ScriptOpener {
    Q_DECLARE_TR_FUNCTIONS(ScriptOpener)

public:
    ScriptOpener(PlayerDialogs &dialogs, GameEdition &edition);

    // The script, or nothing when the player cancelled or the file could not be read.
    // hasChanges: the editor holds text the player changed. path: a file the player dropped on
    // the editor or chose otherwise, or empty to ask which.
    std::optional<OpenedScript> open(QWidget *window, bool hasChanges, QString path = {});
    // Before a window with changed text closes: save it, let it go, or keep the window open.
    // script: its file, empty for a new script.
    PlayerDialogs::ChangesAnswer askToSaveChanges(QWidget *window, const QString &script);

private:
    PlayerDialogs &m_dialogs;
    GameEdition &m_edition;
};

#endif // SCRIPTOPENER_H
