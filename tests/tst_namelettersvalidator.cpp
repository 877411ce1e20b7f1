// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "namelettersvalidator.h"
#include "pasteanddrop.h"

#include <QTest>

// A name box takes only characters some edition of the games can show, and names what it
// refuses.
class tst_NameLettersValidator : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void takesOnlyWhatAnEditionShows_data();
    void takesOnlyWhatAnEditionShows();
};

void tst_NameLettersValidator::takesOnlyWhatAnEditionShows_data()
{
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("refused"); // the character named, if any

    // No edition shows an emoji or a Chinese character: the paste is refused, and why is said.
    QTest::newRow("emoji") << u"ab\U0001F600c"_qs << u"[]"_qs << u"\U0001F600"_qs;
    QTest::newRow("Chinese") << u"\u4e2d"_qs << u"[]"_qs << u"\u4e2d"_qs;
    QTest::newRow("letters of one edition or another")
        << u"\u0141\u0421\u00e9"_qs << u"[\u0141\u0421\u00e9]"_qs << QString();
    // Lines stay one, as the validator it extends keeps them.
    QTest::newRow("a line break") << u"a\nb"_qs << u"[a]"_qs << QString();
}

void tst_NameLettersValidator::takesOnlyWhatAnEditionShows()
{
    QFETCH(QString, inserted);
    QFETCH(QString, name);
    QFETCH(QString, refused);

    QLineEdit box;
    auto *letters = new NameLettersValidator(&box);
    box.setValidator(letters);
    box.show();
    QCOMPARE(pastedAndDropped(&box, inserted), QStringList({ name, name }));
    const std::optional<char32_t> named = letters->refused();
    QCOMPARE(named ? QString::fromUcs4(&*named, 1) : QString(), refused);
}

QTEST_MAIN(tst_NameLettersValidator)
#include "tst_namelettersvalidator.moc"
