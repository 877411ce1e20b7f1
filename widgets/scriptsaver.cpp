// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scriptsaver.h"

#include "filetext.h"
#include "gameedition.h"
#include "installedgames.h"
#include "playerdialogs.h"
#include "recentscripts.h"
#include "saveinstructions.h"
#include "savenotice.h"

#include <QDir>
#include <QFileInfo>

ScriptSaver::ScriptSaver(PlayerDialogs &dialogs, InstalledGames &games)
    : m_dialogs(dialogs)
    , m_games(games)
{
}

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
        const SaveInstructions where(chosen, m_games);
        const std::optional<QString> failure = write(window, where, takeText);
        if (!failure)
            return where.path();
        // A folder of the system's, a read-only medium or one that has gone: the script is
        // better saved elsewhere than not at all.
        const QFileInfo folder(QFileInfo(where.path()).absolutePath());
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
    QWidget *window, const SaveInstructions &where, const CfgWriter::TextSource &takeText)
{
    const QString &path = where.path();
    QString text;
    QString reason;
    const auto keepText = [&] {
        text = takeText();
        return text;
    };
    if (!CfgWriter::write(path, keepText, GameEdition::instance().codePageOf(path), &reason))
        return tr("Cannot save %1:\n%2").arg(QDir::toNativeSeparators(path), reason);
    RecentScripts::add(path);
    m_dialogs.rememberFolderOf(window, path);
    // The notice checks what the game will read: the file as written, line ends and all.
    SaveNotice::showBelow(window, where.forScript(fileTextOf(text)), where.consoleCommand());
    return std::nullopt;
}

void ScriptSaver::refuse(QWidget *window, const QString &reason)
{
    m_dialogs.reportFailure(window, reason);
}
