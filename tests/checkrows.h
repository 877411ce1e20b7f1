// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CHECKROWS_H
#define CHECKROWS_H

#include "findingrows.h"
#include "checker/scriptchecker.h"

#include <QTest>

Q_DECLARE_METATYPE(QList<KeyPress>)
Q_DECLARE_METATYPE(ConsoleRun::End)
Q_DECLARE_METATYPE(GameVersion)

// Rows of scripts as players write them, checked as the game runs them: the names the run
// shows ("tick line name"), how it ends, and what the checker warns of ("Kind@line"), the
// keys pressed at their ticks.
namespace CheckRows {

inline void addColumns()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QList<KeyPress>>("presses");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<ConsoleRun::End>("end");
    QTest::addColumn<QStringList>("warned");
    QTest::addColumn<GameVersion>("game");
}

inline void row(const char *name, const QString &script, const QStringList &names,
    ConsoleRun::End end = ConsoleRun::End::Finished, const QStringList &warned = {},
    const QList<KeyPress> &presses = {}, GameVersion game = GameVersion::Cod2)
{
    QTest::newRow(name) << saved(script) << presses << names << end << warned << game;
}

// The row's script run and checked at com_maxfps 85.
inline void check()
{
    QFETCH(QString, script);
    QFETCH(QList<KeyPress>, presses);
    QFETCH(QStringList, names);
    QFETCH(ConsoleRun::End, end);
    QFETCH(QStringList, warned);
    QFETCH(GameVersion, game);

    const ConsoleRun run = runScript(script, presses, game);
    QCOMPARE(timeline(run), names);
    QCOMPARE(run.end, end);
    if (end == ConsoleRun::End::Looping)
        QVERIFY2(run.commandsRun < 50, "a loop is recognised on its first repeat");
    QCOMPARE(findings(ScriptChecker::check(script, 85, game).warnings), warned);
}

} // namespace CheckRows

#endif // CHECKROWS_H
