// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cfgfile/codepage.h"
#include "windows1252.h"

#include <QFile>
#include <QStringEncoder>
#include <QTest>

#include <optional>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

using namespace Qt::StringLiterals;

// The program's own code pages: each byte both ways, as the published tables and the system's
// converters have them, and the spelling of letters a code page lacks.
class tst_CodePage : public QObject {
    Q_OBJECT

private slots:
    void encodesAsTheSystemConverter_data();
    void encodesAsTheSystemConverter();
    void decodesEveryByteBack();
    void matchesThePublishedTable_data();
    void matchesThePublishedTable();
    void respellsInLettersItHolds_data();
    void respellsInLettersItHolds();
};

namespace {

// The bytes the system's own converter gives one character in the code page, or nothing when it
// has none: Windows' own code page without best-fit stand-ins, elsewhere Qt's ICU converter.
std::optional<QByteArray> systemEncoding(CodePage codePage, char16_t character)
{
#ifdef Q_OS_WIN
    const auto wide = reinterpret_cast<const wchar_t *>(&character);
    char bytes[4];
    BOOL defaultUsed = false;
    const int length = WideCharToMultiByte(UINT(codePage.id()), WC_NO_BEST_FIT_CHARS, wide, 1,
        bytes, sizeof bytes, nullptr, &defaultUsed);
    if (length == 0 || defaultUsed)
        return std::nullopt;
    return QByteArray(bytes, length);
#else
    QStringEncoder system(codePage.name().toLatin1(), QStringConverter::Flag::Stateless);
    const QByteArray bytes = system.encode(QStringView(&character, 1));
    if (system.hasError())
        return std::nullopt;
    return bytes;
#endif
}

} // namespace

void tst_CodePage::encodesAsTheSystemConverter_data()
{
    QTest::addColumn<CodePage>("codePage");
    for (const CodePage::Id id : CodePage::all)
        QTest::newRow(qPrintable(CodePage(id).name())) << CodePage(id);
}

// Every character of the Basic Multilingual Plane gets the bytes the system's converter gives it,
// or is refused where the converter refuses it. The system's converter drops U+FEFF silently in
// some versions, and gives the bytes a code page leaves undefined to their control codes in
// others; Tintmark refuses U+FEFF and keeps the control codes, so that every byte reads back.
void tst_CodePage::encodesAsTheSystemConverter()
{
    QFETCH(CodePage, codePage);
#ifndef Q_OS_WIN
    if (!QStringEncoder(codePage.name().toLatin1()).isValid())
        QSKIP("This Qt has no converter of its own for the code page (built without ICU).");
#endif

    QStringList differences;
    for (char32_t codePoint = 0; codePoint <= 0xffff; ++codePoint) {
        if (QChar::isSurrogate(codePoint))
            continue;
        const std::optional<QByteArray> expected = systemEncoding(codePage, char16_t(codePoint));
        const QString text(QChar { char16_t(codePoint) });
        const bool ours = !codePage.firstUnencodable(text);
        const bool undefinedByte = codePoint >= 0x80 && codePoint < 0xa0 && ours;
        if (codePoint == 0xfeff ? ours
                                : !undefinedByte
                    && (ours != bool(expected) || (ours && codePage.encode(text) != *expected)))
            differences << u"U+%1"_s.arg(uint(codePoint), 4, 16, QLatin1Char('0'));
    }
    QCOMPARE(differences, QStringList());
}

// Every byte is a character, so a script read and saved again keeps its bytes.
void tst_CodePage::decodesEveryByteBack()
{
    QByteArray everyByte(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i)
        everyByte[i] = char(i);
    for (const CodePage::Id id : CodePage::all) {
        const CodePage codePage(id);
        const QString text = codePage.decode(everyByte);
        QCOMPARE(text.size(), 256);
        QCOMPARE(codePage.firstUnencodable(text), std::nullopt);
        QCOMPARE(codePage.encode(text), everyByte);
    }
    QCOMPARE(CodePage().decode(windows1252ExtraBytes), windows1252Extras);
}

void tst_CodePage::matchesThePublishedTable_data()
{
    QTest::addColumn<CodePage>("codePage");
    QTest::addColumn<QString>("table");
    QTest::newRow("Windows-1250") << CodePage(CodePage::Id::CentralEuropean)
                                  << u":/data/CP1250.TXT"_s;
    QTest::newRow("Windows-1251") << CodePage(CodePage::Id::Cyrillic) << u":/data/CP1251.TXT"_s;
}

// Each of the 256 bytes both ways, as the table maps it; a byte it leaves undefined is the
// control code of its own value.
void tst_CodePage::matchesThePublishedTable()
{
    QFETCH(CodePage, codePage);
    QFETCH(QString, table);

    QFile file(table);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    int bytes = 0;
    while (!file.atEnd()) {
        const QList<QByteArray> columns = file.readLine().split('\t');
        if (columns.first().startsWith('#'))
            continue;
        bool ok = false;
        const uchar byte = uchar(columns[0].toUInt(&ok, 16));
        QVERIFY(ok);
        const char16_t expected = columns[1].trimmed().isEmpty()
            ? char16_t(byte)
            : char16_t(columns[1].trimmed().toUInt(&ok, 16));
        const QString character(QChar { expected });
        QCOMPARE(
            codePage.decode(QByteArrayView(reinterpret_cast<const char *>(&byte), 1)), character);
        QCOMPARE(codePage.firstUnencodable(character), std::nullopt);
        QCOMPARE(codePage.encode(character), QByteArray(1, char(byte)));
        ++bytes;
    }
    QCOMPARE(bytes, 256);
}

void tst_CodePage::respellsInLettersItHolds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<CodePage>("codePage");
    QTest::addColumn<QString>("respelled");
    const CodePage western;
    const CodePage russian = CodePage::Id::Cyrillic;
    const CodePage polish = CodePage::Id::CentralEuropean;

    QTest::newRow("Polish for a Western edition")
        << u"^1\u0141ukasz \u017c\u00f3\u0142w"_s << western << u"^1Lukasz z\u00f3lw"_s;
    QTest::newRow("Russian for a Western edition")
        << u"\u0421\u043d\u0430\u0439\u043f\u0435\u0440"_s << western << u"Snajper"_s;
    QTest::newRow("capitals of two letters, signs left out")
        << u"\u0429\u0418\u0422 \u0416\u0443\u043a \u043e\u0431\u044a\u0451\u043c"_s << polish
        << u"SHCHIT Zhuk obem"_s;
    QTest::newRow("Polish for a Russian edition")
        << u"\u0141\u00f3d\u017a"_s << russian << u"Lodz"_s;
    QTest::newRow("held letters stay")
        << u"\u0141\u00f3d\u017a"_s << polish << u"\u0141\u00f3d\u017a"_s;
    QTest::newRow("marks on marks, ligatures, bold letters")
        << u"Nguy\u1ec5n \u0133 \ufb01 \U0001D400"_s << polish << u"Nguyen ij fi A"_s;
    QTest::newRow("a color code's character stays one")
        << u"^\u0416abc"_s << western << u"^Zabc"_s;
    QTest::newRow("emoji and Chinese left out")
        << u"a\U0001F600b\u4e2dc"_s << russian << u"abc"_s;
}

void tst_CodePage::respellsInLettersItHolds()
{
    QFETCH(QString, name);
    QFETCH(CodePage, codePage);
    QFETCH(QString, respelled);

    QCOMPARE(codePage.respelled(name), respelled);
}

QTEST_APPLESS_MAIN(tst_CodePage)
#include "tst_codepage.moc"
