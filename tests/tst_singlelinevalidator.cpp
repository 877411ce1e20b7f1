// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pasteanddrop.h"
#include "singlelinevalidator.h"

#include <QTest>

// A name box keeps to one line: of a paste or a drop, the text before its first line break.
class tst_SingleLineValidator : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void lineBreaksNeverEnterTheName_data();
    void lineBreaksNeverEnterTheName();
};

void tst_SingleLineValidator::lineBreaksNeverEnterTheName_data()
{
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QString>("name");

    // The box holds "[]" with the caret between the brackets.
    QTest::newRow("LF") << u"abc\ndef"_qs << u"[abc]"_qs;
    QTest::newRow("CR LF") << u"abc\r\ndef"_qs << u"[abc]"_qs;
    QTest::newRow("CR") << u"abc\rdef"_qs << u"[abc]"_qs;
    QTest::newRow("line separator") << u"abc\u2028def"_qs << u"[abc]"_qs;
    QTest::newRow("paragraph separator") << u"abc\u2029def"_qs << u"[abc]"_qs;
    // The editor's document takes these as breaks between frames.
    QTest::newRow("frame start") << u"abc\ufdd0def"_qs << u"[abc]"_qs;
    QTest::newRow("frame end") << u"abc\ufdd1def"_qs << u"[abc]"_qs;
    QTest::newRow("break first") << u"\nset name evil"_qs << u"[]"_qs;
    QTest::newRow("several breaks") << u"a\nb\nc"_qs << u"[a]"_qs;
    QTest::newRow("no break") << u"abc"_qs << u"[abc]"_qs;
}

void tst_SingleLineValidator::lineBreaksNeverEnterTheName()
{
    QFETCH(QString, inserted);
    QFETCH(QString, name);

    QLineEdit box;
    box.setValidator(new SingleLineValidator(&box));
    box.show();
    QCOMPARE(pastedAndDropped(&box, inserted), QStringList({ name, name }));
}

QTEST_MAIN(tst_SingleLineValidator)
#include "tst_singlelinevalidator.moc"
