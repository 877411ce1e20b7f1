// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/fixedlayout.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

using namespace Qt::StringLiterals;

// The fixed layouts' helpers: fonts named only where installed, captions fitted to their boxes,
// a menu bar above an area that keeps its size.
class tst_FixedLayout : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void firstInstalledFamily_data();
    void firstInstalledFamily();
    void captionsFitTheirBoxes();
    void menuBarAboveTheArea();
};

void tst_FixedLayout::firstInstalledFamily_data()
{
    QTest::addColumn<QStringList>("preferred");
    QTest::addColumn<QStringList>("named");

    // The tests run where fonts-liberation2 is installed and these names are not.
    const QString missing = u"No Such Family"_s;
    const QString alsoMissing = u"No Such Family Either"_s;
    QTest::newRow("first is installed") << QStringList { u"Liberation Mono"_s,
        u"Liberation Sans"_s } << QStringList { u"Liberation Mono"_s };
    QTest::newRow("missing ones skipped")
        << QStringList { missing, alsoMissing, u"Liberation Sans"_s, u"Liberation Mono"_s }
        << QStringList { u"Liberation Sans"_s };
    QTest::newRow("none installed")
        << QStringList { missing, alsoMissing } << QStringList { missing, alsoMissing };
}

void tst_FixedLayout::firstInstalledFamily()
{
    QFETCH(QStringList, preferred);
    QFETCH(QStringList, named);
    QCOMPARE(::firstInstalledFamily(preferred), named);
}

// A group of labels takes one font in which each caption fits its box, as the window first
// paints: smaller than the font drawn for where one does not fit, never below 6 pt.
void tst_FixedLayout::captionsFitTheirBoxes()
{
    QWidget window;
    window.setFont(fixedLayoutFont());
    auto *fits = new QLabel(u"^1"_s, &window);
    fits->setGeometry(rectFromTwips(840, 120, 255, 375));
    // A caption a fifth too wide for its box, as in a face wider than the one drawn for.
    auto *wide = new QLabel(u"Script Name:"_s, &window);
    wide->setGeometry(QRect(QPoint(152, 40),
        QSize(QFontMetrics(window.font()).horizontalAdvance(wide->text()) * 5 / 6, 17)));
    auto *alone = new QLabel(u"Script Name:"_s, &window);
    alone->setGeometry(rectFromTwips(2280, 1000, 975, 255));
    const qreal drawnFor = wide->font().pointSizeF();
    fitFontsOnFirstPaint(&window, { { fits, wide }, { alone } });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(wide->font().pointSizeF() < drawnFor);
    QCOMPARE(fits->font(), wide->font());
    QVERIFY(wide->font().pointSizeF() >= 6);
    QVERIFY(QFontMetrics(wide->font()).horizontalAdvance(wide->text()) <= wide->width());
    QCOMPARE(alone->font().pointSizeF(), drawnFor);
}

// The window is the menu bar's height taller than its area, and of fixed size.
void tst_FixedLayout::menuBarAboveTheArea()
{
    QWidget window;
    const auto [menuBar, client] = addMenuBarAbove(&window, QSize(664, 109));
    menuBar->addMenu(u"&File"_s);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(client->size(), QSize(664, 109));
    QCOMPARE(client->pos(), QPoint(0, menuBar->height()));
    QCOMPARE(window.size(), QSize(664, 109 + menuBar->height()));
    QCOMPARE(window.minimumSize(), window.maximumSize());
}

QTEST_MAIN(tst_FixedLayout)
#include "tst_fixedlayout.moc"
