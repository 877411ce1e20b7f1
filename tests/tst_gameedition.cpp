// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/gameedition.h"
#include "treefile.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The edition both windows write for: the player's choice, else the game installed's; a
// script's place follows the choice.
class tst_GameEdition : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void theChoiceOverTheGameInstalled();

private:
    QTemporaryDir m_settings;
};

void tst_GameEdition::initTestCase()
{
    // The choice go to the test's own settings.
    QVERIFY(m_settings.isValid());
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
}

void tst_GameEdition::theChoiceOverTheGameInstalled()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString main
        = home.filePath(u".local/share/Steam/steamapps/common/Call of Duty 2/main"_s);
    QVERIFY(writeTreeFile(main + u"/iw_00.iwd"_s, {}));
    QVERIFY(writeTreeFile(main + u"/localized_polish_iw00.iwd"_s, {}));
    GameSearch search;
    search.home = home.path();
    InstalledGames games(search);
    GameEdition edition(games);
    QSignalSpy changed(&edition, &GameEdition::changed);
    QCOMPARE(edition.language().key(), u"polish"_s);
    QVERIFY(!edition.chosen());

    edition.choose(GameLanguage(GameLanguage::Id::Russian));
    QCOMPARE(edition.language().key(), u"russian"_s);
    QCOMPARE(edition.placeOf(main + u"/a.cfg"_s).edition().key(), u"russian"_s);
    // Chosen as the game installed is, the language stays; whether it follows the game does not.
    edition.choose(GameLanguage(GameLanguage::Id::Polish));
    edition.choose(std::nullopt);
    QCOMPARE(changed.size(), 3);
    QVERIFY(!edition.chosen());
    QCOMPARE(GameEdition(games).language().key(), u"polish"_s);
}

QTEST_GUILESS_MAIN(tst_GameEdition)
#include "tst_gameedition.moc"
