// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SCRIPTSAVER_H
#define SCRIPTSAVER_H

#include "cfgfile/cfgwriter.h"

#include <QCoreApplication>

#include <optional>

class QWidget;
class GameEdition;
class InstalledGames;
class PlayerDialogs;
class ScriptPlace;

// The one save operation of both windows: ask where the script goes, then write the window's
// text there and say how to run it in the game. Cancel ends it quietly; any other failure is
// reported with the file and the reason, and a folder that cannot be written offers to save
// elsewhere.
class ScriptSaver {
    Q_DECLARE_TR_FUNCTIONS(ScriptSaver)

public:
    ScriptSaver(PlayerDialogs &dialogs, GameEdition &edition);

    // takeText is asked for the text only once the file is open. Returns the file the script was
    // saved to, or an empty string when it was not saved.
    QString save(QWidget *window, const CfgWriter::TextSource &takeText);
    // Saves to path without asking where, unless its folder cannot be written and the player
    // saves elsewhere; returns the file saved to, or an empty string.
    QString saveTo(QWidget *window, const QString &path, const CfgWriter::TextSource &takeText);

    GameEdition &edition() { return m_edition; }
    InstalledGames &installedGames();
    // Tells the player why a window does not save or hand on what it holds.
    void refuse(QWidget *window, const QString &reason);

private:
    // The failure's message when it failed.
    std::optional<QString> write(
        QWidget *window, const ScriptPlace &where, const CfgWriter::TextSource &takeText);

    PlayerDialogs &m_dialogs;
    GameEdition &m_edition;
};

#endif // SCRIPTSAVER_H
