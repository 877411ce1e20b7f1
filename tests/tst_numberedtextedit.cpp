// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/numberedtextedit.h"

#include <QApplication>
#include <QTest>

using namespace Qt::StringLiterals;

// The editor's line numbers, in a gutter as wide as the last number needs.
class tst_NumberedTextEdit : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void gutterFitsTheLastNumber();
};

void tst_NumberedTextEdit::gutterFitsTheLastNumber()
{
    NumberedTextEdit edit;
    edit.resize(300, 200);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    auto *gutter = edit.findChild<QWidget *>(u"lineNumbers"_s);
    QVERIFY(gutter && gutter->isVisible());
    const int digit = edit.fontMetrics().horizontalAdvance(u'9');
    // Room for two digits at least, and a digit more from 100 lines and from 1,000.
    QCOMPARE(gutter->width(), 6 + 2 * digit);
    edit.setPlainText(u"set name A\n"_s.repeated(99));
    QCOMPARE(gutter->width(), 6 + 3 * digit);
    edit.setPlainText(u"set name A\n"_s.repeated(999));
    QCOMPARE(gutter->width(), 6 + 4 * digit);
    // The text starts right of the gutter.
    QVERIFY(edit.viewport()->geometry().left() >= gutter->geometry().right());
}

QTEST_MAIN(tst_NumberedTextEdit)
#include "tst_numberedtextedit.moc"
