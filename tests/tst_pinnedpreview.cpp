// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codepage.h"
#include "gamecolors.h"
#include "gamenameview.h"
#include "namepreview.h"
#include "pinnedpreview.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

// The preview kept on screen beside its window: the name whole, the notes below it, the window
// keeping its place and size.
class tst_PinnedPreview : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void staysWholeBesideItsWindow();
};

void tst_PinnedPreview::staysWholeBesideItsWindow()
{
    QWidget window;
    window.setGeometry(232, 324, 664, 127);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    GameColors colors;
    auto *pinned = new PinnedPreview(&window, colors);
    pinned->setName(NamePreview::judge(u"^4A"_qs, CodePage()));
    pinned->placeBeside(&window);
    pinned->show();
    QVERIFY(QTest::qWaitForWindowExposed(pinned));
    QVERIFY(!pinned->frameGeometry().intersects(window.geometry()));
    const auto *name = pinned->findChild<GameNameView *>(u"pinnedName"_qs);
    QCOMPARE(name->name(), u"^4A"_qs);
    // What the game makes of the name: the comment ends at the ;, and x runs.
    pinned->setName(NamePreview::judge(u"^4A//B;x"_qs, CodePage()));
    QCOMPARE(name->name(), u"^4A"_qs);
    QVERIFY(pinned->findChild<QLabel *>(u"pinnedDetails"_qs)
                ->text()
                .contains(u"would set the name to ^4A and then run: x"_qs));
    // Four notes and a cut: the name stays whole, and the window keeps its place and size.
    const QRect before = pinned->frameGeometry();
    pinned->setName(NamePreview::judge(u"^6^8^9^0 \"Tint\" "_qs + QString(40, u'x'), CodePage()));
    QCOMPARE(pinned->frameGeometry(), before);
    QVERIFY(name->height() >= name->sizeHint().height());
    QVERIFY(!pinned->frameGeometry().intersects(window.frameGeometry()));
}

QTEST_MAIN(tst_PinnedPreview)
#include "tst_pinnedpreview.moc"
