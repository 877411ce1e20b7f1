// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/gamecolors.h"
#include "widgets/gamenameview.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// A name drawn as the game draws it: in its colors, with the shadow, in the team colors chosen.
class tst_GameNameView : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void drawsTheNameInTheTeamsColors();

private:
    QTemporaryDir m_settings;
};

void tst_GameNameView::initTestCase()
{
    // The team colors go to the test's own settings.
    QVERIFY(m_settings.isValid());
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
}

void tst_GameNameView::drawsTheNameInTheTeamsColors()
{
    GameColors colors;
    GameNameView view(colors);
    view.setName(u"^1MMMM^8MMMM"_s);
    QCOMPARE(view.accessibleName(), u"^1MMMM^8MMMM"_s);
    const auto shows = [&view](QColor color) {
        const QImage drawn = view.grab().toImage();
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                if (drawn.pixelColor(x, y) == color)
                    return true;
            }
        }
        return false;
    };
    const auto alliesColor
        = [](int nation) { return QColor(teamPalette(alliedNations()[size_t(nation)])[8]); };
    QVERIFY(shows(QColor(255, 0, 0)));
    QVERIFY(shows(Qt::black)); // the shadow
    QVERIFY(shows(alliesColor(colors.allies())));
    // It follows the team colors the player picks.
    const int other = (colors.allies() + 1) % int(alliedNations().size());
    colors.setAllies(other);
    QVERIFY(shows(alliesColor(other)));
}

QTEST_MAIN(tst_GameNameView)
#include "tst_gamenameview.moc"
