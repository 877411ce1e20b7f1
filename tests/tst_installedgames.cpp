// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "games/installedgames.h"
#include "treefile.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// What the installed games' own configs hold: the player's names, frame rate and keys.
class tst_InstalledGames : public QObject {
    Q_OBJECT

private slots:
    void whatTheConfigsHold();
};

// The names the player already has, to start a new one from; the frame rate the player window
// and the animations start at.
void tst_InstalledGames::whatTheConfigsHold()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString cod2 = u"/.local/share/Steam/steamapps/common/Call of Duty 2/main"_s;
    const QString cod = u"/.wine/drive_c/Program Files/Activision/Call of Duty/main"_s;
    for (const auto &[file, bytes] :
        std::initializer_list<std::pair<QString, QByteArray>> { { cod2 + u"/iw_00.iwd"_s, "" },
            { cod2 + u"/players/one/config_mp.cfg"_s,
                "seta com_maxfps \"125\"\r\nseta name \"^1Old \xa7\"\r\n" },
            { cod + u"/pak0.pk3"_s, "" },
            // COD's seta takes exactly a name and a value: the second line sets nothing there.
            { cod + u"/config_mp.cfg"_s,
                "bind k kill\r\nseta name \"^2Cod\"\r\nseta name ^3Two words\r\n" } })
        QVERIFY(writeTreeFile(root.path() + file, bytes));
    GameSearch search;
    search.home = root.path();
    search.winePrefixes = { root.filePath(u".wine"_s) };
    InstalledGames games(search);
    using Named = std::pair<GameFamily, QString>;
    QCOMPARE(games.namesInConfigs(),
        (QList<Named> {
            { GameFamily::Cod2, u"^1Old \u00a7"_s }, { GameFamily::Cod, u"^2Cod"_s } }));
    QCOMPARE(games.maxFpsInConfigs(), 125);
    QCOMPARE(games.bindingsInConfigs().size(), 1);
    QCOMPARE(games.bindingsInConfigs().first().key, u"k"_s);
}

QTEST_GUILESS_MAIN(tst_InstalledGames)
#include "tst_installedgames.moc"
