// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/gamecolors.h"
#include "widgets/gamenamedelegate.h"

#include <QApplication>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// A list's names drawn as the game shows them: their codes take no room, their colors show.
class tst_GameNameDelegate : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void drawsNamesAsTheGameShowsThem();

private:
    QTemporaryDir m_settings;
};

void tst_GameNameDelegate::initTestCase()
{
    // The team colors go to the test's own settings.
    QVERIFY(m_settings.isValid());
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
}

void tst_GameNameDelegate::drawsNamesAsTheGameShowsThem()
{
    GameColors colors;
    QListWidget list;
    list.setItemDelegate(new GameNameDelegate(colors, &list));
    list.addItems({ u"^1Sniper"_s, u"Sniper"_s, u"^4S^5n^6i^7per"_s });
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    // A column of names is some twenty bold letters wide, whatever the name: the codes take no
    // room.
    const auto width
        = [&list](int row) { return list.sizeHintForIndex(list.model()->index(row, 0)).width(); };
    QFont bold = list.font();
    bold.setBold(true);
    QVERIFY2(width(0) >= 20 * QFontMetrics(bold).averageCharWidth(),
        qPrintable(QString::number(width(0))));
    QCOMPARE(width(1), width(0));
    // Letters measured run by run may round a pixel apart.
    QVERIFY(std::abs(width(2) - width(0)) <= 1);
    const QImage drawn = list.viewport()->grab().toImage();
    const QRect first = list.visualItemRect(list.item(0));
    // Drawn in ^1's red, blended with the ground at the letters' edges.
    bool red = false;
    for (int y = first.top(); y <= first.bottom(); ++y) {
        for (int x = first.left(); x <= first.right(); ++x) {
            const QColor shown = drawn.pixelColor(x, y);
            red = red || (shown.red() > 150 && shown.green() < 80 && shown.blue() < 80);
        }
    }
    QVERIFY(red);
    QCOMPARE(drawn.pixelColor(first.topLeft() + QPoint(1, 1)), QColor(30, 30, 30));
}

QTEST_MAIN(tst_GameNameDelegate)
#include "tst_gamenamedelegate.moc"
