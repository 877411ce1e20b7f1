// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef INSTALLEDLETTERS_H
#define INSTALLEDLETTERS_H

// The game's letters of a synthetic install, started and read, for the views that draw in them;
// and the installs the views are tried with.

#include "gamefiles.h"
#include "games/installedgames.h"
#include "widgets/gamecolors.h"
#include "widgets/gameedition.h"
#include "widgets/gameletters.h"
#include "widgets/gamenameview.h"

#include <QPainter>

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

    // What view draws of name on its ground: the game's glyphs exactly, or the desktop's letters
    // as a view of its size draws them.
    QImage expectedDrawing(const GameNameView &view, bool inGameLetters, const GameColors &colors)
    {
        QImage expected(view.size(), QImage::Format_RGB32);
        if (inGameLetters) {
            expected.fill(ground);
            const QImage name = letters.drawing()->image(view.name(), colors.palette());
            QPainter(&expected).drawImage(QRect({}, name.size() * gameNameScale), name);
        } else {
            GameNameView desktop(colors);
            desktop.setName(view.name());
            desktop.resize(view.size());
            expected = desktop.grab().toImage();
        }
        return drawnPart(expected);
    }

    // The part of a view's image that is not its ground.
    static QImage drawnPart(const QImage &image)
    {
        QRect drawn;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != ground)
                    drawn |= QRect(x, y, 1, 1);
            }
        }
        return image.copy(drawn).convertToFormat(QImage::Format_RGB32);
    }

    static constexpr QRgb ground = qRgb(30, 30, 30);
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
