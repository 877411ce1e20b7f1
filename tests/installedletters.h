// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef INSTALLEDLETTERS_H
#define INSTALLEDLETTERS_H

// The game's letters of a synthetic install, started and read, for the views that draw in them;
// and the installs the views are tried with.

#include "widgets/gameedition.h"
#include "gamefiles.h"
#include "widgets/gameletters.h"
#include "games/installedgames.h"

#include <QTemporaryDir>
#include <QTest>

struct InstalledLetters {
    // archive: COD 2's first archive, or none for no game installed.
    explicit InstalledLetters(const QByteArray &archive)
        : games(searchIn(home, archive))
    {
    }

    // Started, and waited for until the font is read or found wanting.
    bool read()
    {
        letters.start();
        return !installed || QTest::qWaitFor([this] { return !letters.note().isEmpty(); });
    }

    // The rows: the install, whether the game's letters draw, and the line that says so.
    static void addRows()
    {
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<bool>("inGameLetters");
        QTest::addColumn<QString>("note");
        QTest::newRow("no game installed") << QByteArray() << false << QString();
        QTest::newRow("COD 2 with its font")
            << GameFiles::fontArchive() << true << QStringLiteral("in COD 2's own letters");
        QTest::newRow("COD 2, its archive damaged") << GameFiles::fontArchive().first(
            40) << false << QStringLiteral("the game's font was not found");
    }

    QTemporaryDir home;
    bool installed = false;
    InstalledGames games;
    GameEdition edition { games };
    GameLetters letters { edition };

private:
    GameSearch searchIn(const QTemporaryDir &folder, const QByteArray &archive)
    {
        installed = !archive.isNull() && !GameFiles::installCod2(folder.path(), archive).isEmpty();
        GameSearch search;
        search.home = folder.path();
        return search;
    }
};

#endif // INSTALLEDLETTERS_H
