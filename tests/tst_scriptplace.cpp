// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gametrees.h"
#include "games/installedgames.h"
#include "games/scriptplace.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// What a script's place decides: the game holding it, the command that runs it there, where a
// save goes, its edition's letters and the frame rate of the configs beside it.
class tst_ScriptPlace : public QObject {
    Q_OBJECT

private slots:
    void init();
    void commandAndSavePath_data();
    void commandAndSavePath();
    void editionAndFrameRate_data();
    void editionAndFrameRate();

private:
    // path in the test's folder, or from {store}, the protected COD 2's VirtualStore copy.
    QString withRoot(const QString &path) const;

    std::unique_ptr<QTemporaryDir> m_root;
};

void tst_ScriptPlace::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    QVERIFY(GameTrees::installIn(m_root->path()));
}

QString tst_ScriptPlace::withRoot(const QString &path) const
{
    const QString store = u"{store}"_s;
    if (path.startsWith(store))
        return GameTrees::virtualStoreOf(m_root->path()) + path.sliced(store.size());
    return m_root->filePath(path);
}

void tst_ScriptPlace::commandAndSavePath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("game"); // empty: none holds it
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("savedTo");

    const QString main = GameTrees::steamCod2 + u'/';
    QTest::newRow("in main") << main + u"sniper.cfg"_s << u"COD 2"_s << u"/exec sniper.cfg"_s
                             << main + u"sniper.cfg"_s;
    QTest::newRow("in a folder of main, with a space")
        << main + u"names/my name.cfg"_s << u"COD 2"_s << u"/exec \"names/my name.cfg\""_s
        << main + u"names/my name.cfg"_s;
    QTest::newRow("elsewhere") << u"x.cfg"_s << QString() << u"/exec x.cfg"_s << u"x.cfg"_s;
    QTest::newRow("in protected Program Files, redirected to VirtualStore")
        << GameTrees::protectedCod2 + u"/sniper.cfg"_s << u"COD 2"_s << u"/exec sniper.cfg"_s
        << u"{store}/sniper.cfg"_s;
    QTest::newRow("in United Offensive's uo")
        << GameTrees::steamUo + u"/a.cfg"_s << u"COD UO"_s << u"/exec a.cfg"_s
        << GameTrees::steamUo + u"/a.cfg"_s;
}

void tst_ScriptPlace::commandAndSavePath()
{
    QFETCH(QString, path);
    QFETCH(QString, game);
    QFETCH(QString, command);
    QFETCH(QString, savedTo);

    InstalledGames games(GameTrees::searchIn(m_root->path()));
    const ScriptPlace place = games.placeOf(withRoot(path), std::nullopt);
    QCOMPARE(place.game() ? GameNames::of(place.game()->family()) : QString(), game);
    QCOMPARE(place.consoleCommand(), command);
    QCOMPARE(place.file(), withRoot(path));
    QCOMPARE(place.savePath(), withRoot(savedTo));
}

void tst_ScriptPlace::editionAndFrameRate_data()
{
    QTest::addColumn<QStringList>("files"); // "path=content" besides the games installed
    QTest::addColumn<QString>("chosen"); // the player's choice, if any
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("edition");
    QTest::addColumn<int>("maxFps"); // of the configs beside it; 0: none

    const QStringList polishCod2 { GameTrees::steamCod2 + u"/localized_polish_iw00.iwd="_s };
    const QString inMain = GameTrees::steamCod2 + u"/a.cfg"_s;
    QTest::newRow("the game holding it") << polishCod2 << QString() << inMain << u"polish"_s << 0;
    QTest::newRow("the player's choice before the game's")
        << polishCod2 << u"russian"_s << inMain << u"russian"_s << 0;
    QTest::newRow("its own folder, a game's that was not found")
        << QStringList { u"copy/main/config_mp.cfg=seta cl_language 6\nseta com_maxfps 125"_s }
        << QString() << u"copy/main/a.cfg"_s << u"russian"_s << 125;
    QTest::newRow("else the first game installed that tells")
        << polishCod2 << QString() << u"a.cfg"_s << u"polish"_s << 0;
    QTest::newRow("else English") << QStringList() << QString() << u"a.cfg"_s << u"english"_s
                                  << 0;
}

void tst_ScriptPlace::editionAndFrameRate()
{
    QFETCH(QStringList, files);
    QFETCH(QString, chosen);
    QFETCH(QString, path);
    QFETCH(QString, edition);
    QFETCH(int, maxFps);

    for (const QString &file : files) {
        QVERIFY(writeTreeFile(withRoot(file.section(u'=', 0, 0)), file.section(u'=', 1).toUtf8()));
    }
    InstalledGames games(GameTrees::searchIn(m_root->path()));
    const ScriptPlace place = games.placeOf(withRoot(path), GameLanguage::ofKey(chosen));
    QCOMPARE(place.edition().key(), edition);
    QCOMPARE(place.codePage(), place.edition().codePage());
    QCOMPARE(place.maxFpsBeside().value_or(0), maxFps);
}

QTEST_GUILESS_MAIN(tst_ScriptPlace)
#include "tst_scriptplace.moc"
