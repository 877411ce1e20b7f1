// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/colorswatch.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

// A swatch of the main window: a button filled with its color, reached with Tab, pressed with a
// click or Space.
class tst_ColorSwatch : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void pressedByAClickOrSpace();
};

void tst_ColorSwatch::pressedByAClickOrSpace()
{
    QWidget window;
    auto *swatch = new ColorSwatch(QColor(255, 0, 0), &window);
    swatch->setGeometry(16, 8, 33, 25);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSignalSpy clicked(swatch, &ColorSwatch::clicked);
    // A click anywhere on it counts, its corners too.
    QTest::mouseClick(swatch, Qt::LeftButton, {}, swatch->rect().bottomRight());
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(swatch->focusPolicy(), Qt::TabFocus);
    swatch->setFocus(Qt::TabFocusReason);
    QTest::keyClick(swatch, Qt::Key_Space);
    QCOMPARE(clicked.size(), 2);

    // The focused swatch shows a frame: its inside is no longer one plain color.
    const QImage focused = swatch->grab().toImage();
    QVERIFY(focused.pixelColor(2 * focused.devicePixelRatio(), focused.height() / 2)
        != QColor(255, 0, 0));
    QCOMPARE(focused.pixelColor(0, 0), QColor(255, 0, 0));
}

QTEST_MAIN(tst_ColorSwatch)
#include "tst_colorswatch.moc"
