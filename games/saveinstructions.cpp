// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "saveinstructions.h"

#include "consolerun.h"
#include "installedgames.h"
#include "scriptchecker.h"
#include "warningtext.h"

#include <QDir>
#include <QFileInfo>

namespace {

// exec takes one word: a name with a space in it needs quotes.
QString execCommand(const QString &relativePath)
{
    const QString name = relativePath.contains(u' ') ? u'"' + relativePath + u'"' : relativePath;
    return u"/exec "_qs + name;
}

QString keyName(const QString &key) { return key.size() == 1 ? key.toUpper() : key; }

} // namespace

SaveInstructions::SaveInstructions(const QString &chosen, InstalledGames &games)
    : m_path(chosen)
    , m_held(games.gameHolding(chosen))
    , m_installed(games.games())
{
    if (m_held && m_held->first.scriptFolder != m_held->first.mainFolder)
        m_path = QDir(m_held->first.scriptFolder).filePath(m_held->second);
}

QString SaveInstructions::consoleCommand() const
{
    // The game's exec goes from its main folder.
    return execCommand(
        m_held ? QDir::fromNativeSeparators(m_held->second) : QFileInfo(m_path).fileName());
}

QString SaveInstructions::forScript(QStringView fileText) const
{
    const QString file = QFileInfo(m_path).fileName();
    QStringList lines;
    if (m_held) {
        const GameInstall &game = m_held->first;
        lines << tr("Saved %1 in the %2 folder of %3.")
                     .arg(
                         file, QFileInfo(game.mainFolder).fileName(), GameNames::of(game.family()));
        if (game.scriptFolder != game.mainFolder) {
            lines << tr("Windows keeps it for the game in %1, since the game's own folder is "
                        "protected; the game finds it there.")
                         .arg(QDir::toNativeSeparators(game.scriptFolder));
        }
        lines << tr("In the game, open the console (~) and type: %1").arg(consoleCommand());
    } else {
        lines << tr("Saved %1.").arg(QDir::toNativeSeparators(m_path));
        if (m_installed.isEmpty()) {
            lines << tr("Put it in the game's main folder first, then in the game open the "
                        "console (~) and type: %1")
                         .arg(consoleCommand());
        } else {
            lines << tr("Put it in the main folder of %1 first (%2), then in the game open the "
                        "console (~) and type: %3")
                         .arg(GameNames::of(m_installed.first().family()),
                             QDir::toNativeSeparators(m_installed.first().scriptFolder),
                             consoleCommand());
        }
    }
    // The keys as the console of the game the script is for binds them.
    const GameVersion game = m_held ? m_held->first.version : defaultGameVersion;
    QStringList keys;
    for (const KeyBinding &binding : runScript(fileText, {}, game).finalBindings())
        keys << keyName(binding.key);
    if (!keys.isEmpty())
        lines << tr("Then press %1 to play it.").arg(keys.join(tr(" or ")));
    // What the checker finds, without keeping the script from being saved.
    const ScriptCheck check = ScriptChecker::check(fileText, ConsoleRules::defaultMaxFps, game);
    if (check.warnings.size() == 1) {
        const ScriptWarning &warning = check.warnings.first();
        // A one-line script needs no line number.
        lines << tr("The checker warns: %1")
                     .arg(
                         fileText.count(u'\n') > 1 ? WarningText::describe(warning) : warning.text);
    } else if (check.warnings.size() > 1) {
        lines << tr("The checker finds %n warnings: Play and Check (F5) in the editor lists "
                    "them.",
            nullptr, int(check.warnings.size()));
    }
    return lines.join(u'\n');
}
