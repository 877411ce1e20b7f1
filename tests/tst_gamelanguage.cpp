// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamelanguage.h"

#include <QTest>

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
    QTest::newRow("English") << u"english"_qs << CodePage(CodePage::Id::Western);
    QTest::newRow("German, in any case") << u"GERMAN"_qs << CodePage(CodePage::Id::Western);
    QTest::newRow("British English") << u"british"_qs << CodePage(CodePage::Id::Western);
    QTest::newRow("Russian") << u"russian"_qs << CodePage(CodePage::Id::Cyrillic);
    QTest::newRow("Polish") << u"Polish"_qs << CodePage(CodePage::Id::CentralEuropean);
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
    QCOMPARE(GameLanguage::ofKey(u"japanese"_qs), std::nullopt);
    QCOMPARE(GameLanguage::ofKey(u"leet"_qs), std::nullopt);
}

QTEST_APPLESS_MAIN(tst_GameLanguage)
#include "tst_gamelanguage.moc"
