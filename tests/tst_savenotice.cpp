// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gametrees.h"
#include "games/installedgames.h"
#include "widgets/savenotice.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The notice after a save: what to type in the game, the keys to press, what the checker finds.
class tst_SaveNotice : public QObject {
    Q_OBJECT

private slots:
    void saysHowToRunTheScript_data();
    void saysHowToRunTheScript();
};

void tst_SaveNotice::saysHowToRunTheScript_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("said");

    const QString main = GameTrees::steamCod2 + u'/';
    QTest::newRow("in main") << main + u"sniper.cfg"_s << u"set name ^1A"_s
                             << u"Saved sniper.cfg in the main folder of COD 2.\nIn the game, "
                                "open the console (~) and type: /exec sniper.cfg"_s;
    QTest::newRow("in a folder of main, with a space")
        << main + u"names/my name.cfg"_s << u"set name A"_s
        << u"type: /exec \"names/my name.cfg\""_s;
    QTest::newRow("elsewhere") << u"x.cfg"_s << u"set name A"_s
                               << u"Put it in the main folder of COD 2 first ("_s;
    QTest::newRow("in protected Program Files, redirected to VirtualStore")
        << GameTrees::protectedCod2 + u"/sniper.cfg"_s << u"set name A"_s
        << u"Windows keeps it for the game in {store}, since"_s;
    QTest::newRow("keys to press")
        << main + u"a.cfg"_s << u"bind k vstr a\nset a \"set name A\"\nbind F5 \"vstr a\""_s
        << u"/exec a.cfg\nThen press K or F5 to play it."_s;
    QTest::newRow("one key to press") << main + u"a.cfg"_s << u"bind F1 \"set name A\"\r\n"_s
                                      << u"/exec a.cfg\nThen press F1 to play it."_s;
    // What the checker finds, in its words: the line only where there are lines.
    QTest::newRow("a name the game cuts")
        << main + u"a.cfg"_s << u"set name ^1abcdefghijklmnopqrstuvwxyz12345"_s
        << u"/exec a.cfg\nThe checker warns: The name \"^1abcdefghijklmnopqrstuvwxyz12345\" takes 33 bytes; the game keeps 31 and cuts off \"45\"."_s;
    QTest::newRow("in United Offensive's uo, by its rules")
        << GameTrees::steamUo + u"/a.cfg"_s << u"set name ^8Eight"_s
        << u"Saved a.cfg in the uo folder of COD UO.\nIn the game, open the console (~) and type: "
           "/exec a.cfg"_s;
    QTest::newRow("a script with warnings")
        << main + u"a.cfg"_s << u"set name A\nwiat 5\nset name ;"_s
        << u"/exec a.cfg\nThe checker finds 2 warnings: Play and Check (F5)"_s;
}

void tst_SaveNotice::saysHowToRunTheScript()
{
    QFETCH(QString, path);
    QFETCH(QString, script);
    QFETCH(QString, said);

    QTemporaryDir root;
    QVERIFY(root.isValid() && GameTrees::installIn(root.path()));
    InstalledGames games(GameTrees::searchIn(root.path()));
    const ScriptPlace where = games.placeOf(root.filePath(path), std::nullopt);
    const QString text = SaveNotice::textFor(where, games.games(), script);
    const QString store = QDir::toNativeSeparators(GameTrees::virtualStoreOf(root.path()));
    QVERIFY2(text.contains(QString(said).replace(u"{store}"_s, store)), qPrintable(text));
}

QTEST_MAIN(tst_SaveNotice)
#include "tst_savenotice.moc"
