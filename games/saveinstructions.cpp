// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "saveinstructions.h"

#include "consolerun.h"
#include "installedgames.h"
#include "scriptchecker.h"

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

QString SaveInstructions::consoleCommand(const QString &path, InstalledGames &games)
{
    // The game's exec goes from its main folder.
    const auto held = games.gameHolding(path);
    return execCommand(
        held ? QDir::fromNativeSeparators(held->second) : QFileInfo(path).fileName());
}

QString SaveInstructions::forScript(const QString &path, QStringView script, InstalledGames &games)
{
    const QString file = QFileInfo(path).fileName();
    QStringList lines;
    const auto held = games.gameHolding(path);
    if (held) {
        const GameInstall &game = held->first;
        lines << tr("Saved %1 in the main folder of %2.").arg(file, GameNames::of(game.family()));
        if (game.scriptFolder != game.mainFolder) {
            lines << tr("Windows keeps it for the game in %1, since the game's own folder is "
                        "protected; the game finds it there.")
                         .arg(QDir::toNativeSeparators(game.scriptFolder));
        }
        lines << tr("In the game, open the console (~) and type: %1")
                     .arg(consoleCommand(path, games));
    } else {
        lines << tr("Saved %1.").arg(QDir::toNativeSeparators(path));
        const QList<GameInstall> &installed = games.games();
        if (installed.isEmpty()) {
            lines << tr("Put it in the game's main folder first, then in the game open the "
                        "console (~) and type: %1")
                         .arg(consoleCommand(path, games));
        } else {
            lines << tr("Put it in the main folder of %1 first (%2), then in the game open the "
                        "console (~) and type: %3")
                         .arg(GameNames::of(installed.first().family()),
                             QDir::toNativeSeparators(installed.first().scriptFolder),
                             consoleCommand(path, games));
        }
    }
    // The keys as the console of the game the script is for binds them.
    const GameVersion game = held ? held->first.version : defaultGameVersion;
    QStringList keys;
    for (const KeyBinding &binding : runScript(script, {}, game).finalBindings())
        keys << keyName(binding.key);
    if (!keys.isEmpty())
        lines << tr("Then press %1 to play it.").arg(keys.join(tr(" or ")));
    // What the checker finds, without keeping the script from being saved.
    const ScriptCheck check = ScriptChecker::check(script, ConsoleRules::defaultMaxFps, game);
    if (check.warnings.size() == 1) {
        const ScriptWarning &warning = check.warnings.first();
        lines << tr("The checker warns: %1")
                     .arg(script.contains(u'\n') ? ScriptChecker::describe(warning) : warning.text);
    } else if (check.warnings.size() > 1) {
        lines << tr("The checker finds %n warnings: Play and Check (F5) in the editor lists "
                    "them.",
            nullptr, int(check.warnings.size()));
    }
    return lines.join(u'\n');
}
