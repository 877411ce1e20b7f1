// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SCRIPTPLACE_H
#define SCRIPTPLACE_H

#include "cfgfile/codepage.h"
#include "console/consolerun.h"
#include "gamefinder.h"
#include "gamelanguage.h"

#include <QList>
#include <QString>

#include <optional>

// A script's file as the game reads it.
struct ScriptFile {
    QString text; // in the code page of the script's place, line ends as they stand
    // The text holds characters from 0x80 that are all UTF-8 sequences: the game shows each
    // such character as two or three ("Ã©" for "é").
    bool savedAsUtf8 = false;
};

// Where a script lies and what that decides for it, once, as InstalledGames::placeOf() makes
// it: the game whose folder holds it and the command that runs it there, the letters its file is
// in, and the frame rate of the configs beside it. The save, the open, the player window and
// --check ask it rather than the folders.
class ScriptPlace {
public:
    // path: where the player puts the script. installed: the games on this computer. chosen: the
    // edition the player named, which goes before any game's.
    ScriptPlace(const QString &path, const QList<GameInstall> &installed,
        std::optional<GameLanguage> chosen);

    // The script's file as given.
    const QString &file() const { return m_file; }
    // Where a save of the script goes: in a game's main folder that Windows redirects the game's
    // writes from, the same place in its VirtualStore copy, where the game reads it.
    const QString &savePath() const { return m_savePath; }
    // The game whose folder holds the script, if any.
    const std::optional<GameInstall> &game() const { return m_game; }
    // The console command that runs the script: "/exec sniper.cfg", the path relative to the
    // game's folder when a game's folder holds it.
    QString consoleCommand() const;
    // The edition the script is written for: the one chosen, or else that of the game whose
    // folder holds it, or else that of its own folder when that is a game's, or else that of the
    // first game installed that tells, or else English.
    GameLanguage edition() const { return m_edition; }
    CodePage codePage() const { return m_edition.codePage(); }
    // The com_maxfps the configs beside the script set, if it lies in a game's own folder whose
    // configs set one.
    std::optional<int> maxFpsBeside() const { return m_maxFpsBeside; }

    // The script's file as the game reads it; nothing when it cannot be read, and errorString
    // says why.
    std::optional<ScriptFile> read(QString *errorString) const;
    // The scripts beside it, as its exec reads them: in its letters.
    ScriptReader readerBeside() const;

private:
    QString m_file;
    QString m_savePath;
    std::optional<GameInstall> m_game;
    QString m_relativePath; // to the game's folder
    GameLanguage m_edition;
    std::optional<int> m_maxFpsBeside;
};

#endif // SCRIPTPLACE_H
