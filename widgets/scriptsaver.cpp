// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scriptsaver.h"

#include "console/consolerules.h"
#include "gameedition.h"
#include "playerdialogs.h"
#include "recentscripts.h"
#include "savenotice.h"

#include <QDir>
#include <QFileInfo>

ScriptSaver::ScriptSaver(PlayerDialogs &dialogs, GameEdition &edition)
    : m_dialogs(dialogs)
    , m_edition(edition)
{
}

InstalledGames &ScriptSaver::installedGames() { return m_edition.games(); }

QString ScriptSaver::save(QWidget *window, const CfgWriter::TextSource &takeText)
{
    return saveTo(window, m_dialogs.chooseSavePath(window), takeText);
}

QString ScriptSaver::saveTo(
    QWidget *window, const QString &path, const CfgWriter::TextSource &takeText)
{
    for (QString chosen = path; !chosen.isEmpty();
         chosen = m_dialogs.chooseSavePathElsewhere(window)) {
        // Not "Access denied" in an old install under Program Files: the game reads its scripts
        // from the copy of its folder that Windows keeps for it, and the notice says so.
        const ScriptPlace where = m_edition.placeOf(chosen);
        const std::optional<QString> failure = write(window, where, takeText);
        if (!failure)
            return where.savePath();
        // A folder of the system's, a read-only medium or one that has gone: the script is
        // better saved elsewhere than not at all.
        const QFileInfo folder(QFileInfo(where.savePath()).absolutePath());
        if (folder.isDir() && folder.isWritable()) {
            m_dialogs.reportFailure(window, *failure);
            return {};
        }
        if (!m_dialogs.offerSavingElsewhere(window, *failure))
            return {};
    }
    return {};
}

std::optional<QString> ScriptSaver::write(
    QWidget *window, const ScriptPlace &where, const CfgWriter::TextSource &takeText)
{
    const QString &path = where.savePath();
    QString reason;
    // The notice checks what the game will read: the file as written, line ends and all, as far
    // as any of the games reads a script.
    QString fileText;
    if (!CfgWriter::write(path, takeText, where.codePage(), &reason, &fileText,
            ConsoleRules::largestBufferBytes))
        return tr("Cannot save %1:\n%2").arg(QDir::toNativeSeparators(path), reason);
    RecentScripts::add(path);
    m_dialogs.rememberFolderOf(window, path);
    SaveNotice::showBelow(window, SaveNotice::textFor(where, installedGames().games(), fileText),
        where.consoleCommand());
    return std::nullopt;
}

void ScriptSaver::refuse(QWidget *window, const QString &reason)
{
    m_dialogs.reportFailure(window, reason);
}
