// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/gamecolors.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The one setting of the team colors: kept for the next start, said once when it changes.
class tst_GameColors : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void alliesAreKept();

private:
    QTemporaryDir m_settings;
};

void tst_GameColors::initTestCase()
{
    // The team colors go to the test's own settings.
    QVERIFY(m_settings.isValid());
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
}

void tst_GameColors::alliesAreKept()
{
    const int last = int(alliedNations().size()) - 1;
    {
        GameColors colors;
        QSignalSpy changed(&colors, &GameColors::changed);
        colors.setAllies(last);
        colors.setAllies(last); // no change
        colors.setAllies(last + 1); // no nation
        colors.setAllies(-1);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(colors.allies(), last);
        QCOMPARE(colors.palette()[8], teamPalette(alliedNations()[size_t(last)])[8]);
    }
    QCOMPARE(GameColors().allies(), last);
}

QTEST_GUILESS_MAIN(tst_GameColors)
#include "tst_gamecolors.moc"
