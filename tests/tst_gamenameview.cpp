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
    void drawsTheNextNameAsAfresh_data();
    void drawsTheNextNameAsAfresh();

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

void tst_GameNameView::drawsTheNextNameAsAfresh_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pointSize"); // of the font it is drawn in then
    QTest::newRow("a letter typed") << u"^1Tint^2mar"_s << u"^1Tint^2mark"_s << 22;
    QTest::newRow("a letter taken back") << u"^1Tint^2marks"_s << u"^1Tint^2mark"_s << 22;
    QTest::newRow("in another font") << u"^1Tint^2mark"_s << u"^1Tint^2mark"_s << 30;
}

// A view keeps the glyphs of the runs it drew: the name it draws next, in whatever font, is drawn
// as a fresh view draws it.
void tst_GameNameView::drawsTheNextNameAsAfresh()
{
    QFETCH(QString, before);
    QFETCH(QString, name);
    QFETCH(int, pointSize);

    GameColors colors;
    GameNameView view(colors);
    view.resize(500, 80);
    view.setName(before);
    view.grab();
    QFont font = view.font();
    font.setPointSize(pointSize);
    view.setFont(font);
    view.setName(name);
    GameNameView fresh(colors);
    fresh.resize(view.size());
    fresh.setFont(font);
    fresh.setName(name);
    QCOMPARE(view.grab().toImage(), fresh.grab().toImage());
}

QTEST_MAIN(tst_GameNameView)
#include "tst_gamenameview.moc"
