// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scriptsaver.h"

#include "consolerules.h"
#include "gameedition.h"
#include "playerdialogs.h"
#include "recentscripts.h"
#include "savenotice.h"

#include <QDir>

ScriptSaver::ScriptSaver(PlayerDialogs &dialogs, GameEdition &edition)
    : m_dialogs(dialogs)
    , m_edition(edition)
{
}

InstalledGames &ScriptSaver::installedGames() { return m_edition.games(); }

QString ScriptSaver::save(QWidget *window, const CfgWriter::TextSource &takeText)
{
    const QString chosen = m_dialogs.chooseSavePath(window);
    if (chosen.isEmpty())
        return {};
    // Not "Access denied" in an old install under Program Files: the game reads its scripts
    // from the copy of its folder that Windows keeps for it, and the notice says so.
    const ScriptPlace where = m_edition.placeOf(chosen);
    return write(window, where, takeText) ? where.savePath() : QString();
}

bool ScriptSaver::saveTo(
    QWidget *window, const QString &path, const CfgWriter::TextSource &takeText)
{
    return write(window, m_edition.placeOf(path), takeText);
}

bool ScriptSaver::write(
    QWidget *window, const ScriptPlace &where, const CfgWriter::TextSource &takeText)
{
    const QString &path = where.savePath();
    QString reason;
    // The notice checks what the game will read: the file as written, line ends and all, as far
    // as any of the games reads a script.
    QString fileText;
    if (!CfgWriter::write(path, takeText, where.codePage(), &reason, &fileText,
            ConsoleRules::largestBufferBytes)) {
        m_dialogs.reportFailure(
            window, tr("Cannot save %1:\n%2").arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    RecentScripts::add(path);
    m_dialogs.rememberFolderOf(window, path);
    SaveNotice::showBelow(window, SaveNotice::textFor(where, installedGames().games(), fileText),
        where.consoleCommand());
    return true;
}

void ScriptSaver::refuse(QWidget *window, const QString &reason)
{
    m_dialogs.reportFailure(window, reason);
}
