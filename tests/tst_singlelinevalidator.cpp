// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pasteanddrop.h"
#include "widgets/singlelinevalidator.h"

#include <QTest>

using namespace Qt::StringLiterals;

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
    QTest::newRow("LF") << u"abc\ndef"_s << u"[abc]"_s;
    QTest::newRow("CR LF") << u"abc\r\ndef"_s << u"[abc]"_s;
    QTest::newRow("CR") << u"abc\rdef"_s << u"[abc]"_s;
    QTest::newRow("line separator") << u"abc\u2028def"_s << u"[abc]"_s;
    QTest::newRow("paragraph separator") << u"abc\u2029def"_s << u"[abc]"_s;
    // The editor's document takes these as breaks between frames.
    QTest::newRow("frame start") << u"abc\ufdd0def"_s << u"[abc]"_s;
    QTest::newRow("frame end") << u"abc\ufdd1def"_s << u"[abc]"_s;
    QTest::newRow("break first") << u"\nset name evil"_s << u"[]"_s;
    QTest::newRow("several breaks") << u"a\nb\nc"_s << u"[a]"_s;
    QTest::newRow("no break") << u"abc"_s << u"[abc]"_s;
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
