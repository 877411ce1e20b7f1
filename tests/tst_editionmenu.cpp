// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/editionmenu.h"
#include "widgets/gameedition.h"

#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The choice of the game's edition in a window's File menu: the game installed, or one named;
// the marks follow the choice made in either window.
class tst_EditionMenu : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void marksTheChoice();

private:
    QTemporaryDir m_settings;
};

void tst_EditionMenu::initTestCase()
{
    // The choice go to the test's own settings.
    QVERIFY(m_settings.isValid());
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
}

void tst_EditionMenu::marksTheChoice()
{
    InstalledGames games { GameSearch() }; // none
    GameEdition edition(games);
    QMenu file;
    EditionMenu::addTo(&file, edition);
    auto *editions = file.findChild<QMenu *>(u"editionMenu"_s);
    QVERIFY(editions);
    const auto checked = [editions] {
        emit editions->aboutToShow();
        QStringList names;
        for (const QAction *action : editions->actions()) {
            if (action->isChecked())
                names << action->objectName();
        }
        return names;
    };
    QCOMPARE(checked(), QStringList { u"edition_installed"_s });
    QCOMPARE(editions->findChild<QAction *>(u"edition_installed"_s)->text(),
        EditionMenu::tr("As the Game Installed (none found: English)"));

    editions->findChild<QAction *>(u"edition_russian"_s)->trigger();
    QCOMPARE(edition.language().key(), u"russian"_s);
    QCOMPARE(checked(), QStringList { u"edition_russian"_s });
    // Chosen elsewhere, in the other window's menu.
    edition.choose(std::nullopt);
    QCOMPARE(checked(), QStringList { u"edition_installed"_s });
}

QTEST_MAIN(tst_EditionMenu)
#include "tst_editionmenu.moc"
