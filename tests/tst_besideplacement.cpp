// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/besideplacement.h"

#include <QTest>

// Where the player window goes beside the editor, with the frames a window manager gives.
class tst_BesidePlacement : public QObject {
    Q_OBJECT

private slots:
    void place_data();
    void place();
};

namespace {

// Openbox's frame: a title bar above, a handle below.
constexpr QMargins openboxFrame(1, 20, 1, 5);
// The editor's frame, and its text within it, at its top left.
constexpr QRect editorAt(0, 0, 577, 393);
constexpr QRect textOf(const QRect &editor)
{
    return QRect(editor.topLeft() + QPoint(9, 44), QSize(553, 289));
}
// The main window where it opens.
constexpr QRect mainWindow(232, 342, 666, 155);

} // namespace

void tst_BesidePlacement::place_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("editor");
    QTest::addColumn<int>("minimumWidth"); // of the player's client
    QTest::addColumn<QRect>("placed"); // the player's frame; none when anywhere on the screen

    QTest::newRow("room on the right")
        << QRect(0, 0, 1920, 1080) << editorAt << 300 << QRect(577, 0, 622, 545);
    QTest::newRow("room on the left alone")
        << QRect(0, 0, 1920, 1080) << editorAt.translated(1343, 0) << 300
        << QRect(721, 0, 622, 545);
    // The frame's handle too stays on the screen.
    QTest::newRow("the editor at the bottom right of 1366x768") << QRect(
        0, 0, 1366, 768) << editorAt.translated(789, 375) << 300 << QRect(167, 223, 622, 545);
    QTest::newRow("narrower beside the editor at 200 % of 1920x1080") << QRect(
        0, 0, 960, 540) << editorAt.adjusted(0, 0, 0, -10) << 300 << QRect(577, 0, 383, 540);
    // No room beside: over the main window, below the editor's text.
    QTest::newRow("below the editor's text, over the main window") << QRect(
        0, 0, 1366, 768) << editorAt.translated(394, 0) << 420 << QRect(232, 333, 622, 435);
    QTest::newRow("a screen too small for both")
        << QRect(0, 0, 683, 384) << editorAt.adjusted(0, 0, 0, -10) << 300 << QRect();
}

void tst_BesidePlacement::place()
{
    QFETCH(QRect, screen);
    QFETCH(QRect, editor);
    QFETCH(int, minimumWidth);
    QFETCH(QRect, placed);
    BesidePlacement placement;
    placement.screen = screen;
    placement.beside = editor;
    placement.keepClear = textOf(editor);
    placement.mayCover = { mainWindow };
    placement.frame = openboxFrame;
    placement.wanted = QSize(620, 520);
    placement.minimumWidth = minimumWidth;
    // Narrower, its rows wrap and it needs more height.
    placement.minimumHeightAt = [](int width) { return width >= 600 ? 343 : 400; };
    const QRect frame = placement.place();
    QVERIFY(screen.contains(frame));
    if (placed.isValid()) {
        QCOMPARE(frame, placed);
        QVERIFY(!frame.intersects(textOf(editor)));
    }
}

QTEST_GUILESS_MAIN(tst_BesidePlacement)
#include "tst_besideplacement.moc"
