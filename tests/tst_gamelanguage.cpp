// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "games/gamelanguage.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(CodePage)

// The editions of the games, as the archives and --language name them, each with the letters its
// console reads and its fonts draw.
class tst_GameLanguage : public QObject {
    Q_OBJECT

private slots:
    void editionsAndTheirLetters_data();
    void editionsAndTheirLetters();
};

void tst_GameLanguage::editionsAndTheirLetters_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<CodePage>("codePage");
    QTest::newRow("English") << u"english"_s << CodePage(CodePage::Id::Western);
    QTest::newRow("German, in any case") << u"GERMAN"_s << CodePage(CodePage::Id::Western);
    QTest::newRow("British English") << u"british"_s << CodePage(CodePage::Id::Western);
    QTest::newRow("Russian") << u"russian"_s << CodePage(CodePage::Id::Cyrillic);
    QTest::newRow("Polish") << u"Polish"_s << CodePage(CodePage::Id::CentralEuropean);
}

void tst_GameLanguage::editionsAndTheirLetters()
{
    QFETCH(QString, key);
    QFETCH(CodePage, codePage);
    const std::optional<GameLanguage> edition = GameLanguage::ofKey(key);
    QVERIFY(edition);
    QCOMPARE(edition->key(), key.toLower());
    QCOMPARE(edition->codePage(), codePage);
    // The Asian editions draw double bytes, and the test language is none a player has.
    QCOMPARE(GameLanguage::ofKey(u"japanese"_s), std::nullopt);
    QCOMPARE(GameLanguage::ofKey(u"leet"_s), std::nullopt);
}

QTEST_APPLESS_MAIN(tst_GameLanguage)
#include "tst_gamelanguage.moc"
