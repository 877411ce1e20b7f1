// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/namelettersvalidator.h"
#include "pasteanddrop.h"

#include <QTest>

using namespace Qt::StringLiterals;

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
    QTest::newRow("emoji") << u"ab\U0001F600c"_s << u"[]"_s << u"\U0001F600"_s;
    QTest::newRow("Chinese") << u"\u4e2d"_s << u"[]"_s << u"\u4e2d"_s;
    QTest::newRow("letters of one edition or another")
        << u"\u0141\u0421\u00e9"_s << u"[\u0141\u0421\u00e9]"_s << QString();
    // Lines stay one, as the validator it extends keeps them.
    QTest::newRow("a line break") << u"a\nb"_s << u"[a]"_s << QString();
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
