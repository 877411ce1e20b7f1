// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "filecheck.h"

#include "checkreport.h"
#include "scriptchecker.h"
#include "console/scriptcommands.h"
#include "warningtext.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

FileCheck::Result FileCheck::check(
    QStringList files, const Reader &read, GameVersion game, ConsoleRules::GameServer server)
{
    Result result;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString file = files[i];
        QString reason;
        const std::optional<CheckedFile> script = read(file, &reason);
        if (!script) {
            result.unread << Unread { file, reason };
            result.status = Unreadable;
            continue;
        }
        const int framesPerSecond = ConsoleRules::maxFpsOn(server.kind, script->maxFps);
        // exec runs the scripts of the script's own folder where it stands.
        const ScriptCheck check
            = ScriptChecker::check(script->text, framesPerSecond, game, server, script->beside);
        result.report += file + u'\n';
        // Characters in comments the game never shows: only what it runs reads wrongly.
        const ScriptCommands split = splitCommands(script->text, 1, ConsoleRules::rulesOf(game));
        const bool utf8 = script->savedAsUtf8
            && std::ranges::any_of(split.commands, [](const ScriptCommand &command) {
                   return std::ranges::any_of(
                       command.text, [](QChar c) { return c.unicode() >= 0x80; });
               });
        if (utf8)
            result.report += WarningText::savedAsUtf8(script->codePage.name()) + u'\n';
        result.report += CheckReport::of(check, framesPerSecond) + u'\n';
        if ((utf8 || !check.warnings.isEmpty()) && result.status == NoWarnings)
            result.status = SomeWarnings;
        // The scripts it execs from its own folder are checked too, each once.
        for (const QString &name : check.execs) {
            const QString beside = QFileInfo(file).dir().filePath(name);
            if (QFileInfo::exists(beside) && !files.contains(beside))
                files << beside;
        }
    }
    return result;
}
