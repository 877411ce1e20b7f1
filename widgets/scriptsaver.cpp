// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scriptsaver.h"

#include "installedgames.h"
#include "playerdialogs.h"
#include "recentscripts.h"
#include "saveinstructions.h"
#include "savenotice.h"

#include <QDir>

ScriptSaver::ScriptSaver(PlayerDialogs &dialogs, InstalledGames &games)
    : m_dialogs(dialogs)
    , m_games(games)
{
}

QString ScriptSaver::save(QWidget *window, const CfgWriter::TextSource &takeText)
{
    const QString chosen = m_dialogs.chooseSavePath(window);
    if (chosen.isEmpty())
        return {};
    // Not "Access denied" in an old install under Program Files: the game reads its scripts
    // from the copy of its folder that Windows keeps for it, and the notice says so.
    const QString path = m_games.scriptPath(chosen);
    return saveTo(window, path, takeText) ? path : QString();
}

bool ScriptSaver::saveTo(
    QWidget *window, const QString &path, const CfgWriter::TextSource &takeText)
{
    QString text;
    QString reason;
    const auto keepText = [&] {
        text = takeText();
        return text;
    };
    if (!CfgWriter::write(path, keepText, &reason)) {
        m_dialogs.reportFailure(
            window, tr("Cannot save %1:\n%2").arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    RecentScripts::add(path);
    m_dialogs.rememberFolderOf(path);
    SaveNotice::showBelow(window, SaveInstructions::forScript(path, text, m_games),
        SaveInstructions::consoleCommand(path, m_games));
    return true;
}

void ScriptSaver::refuse(QWidget *window, const QString &reason)
{
    m_dialogs.reportFailure(window, reason);
}
