// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cfgreader.h"
#include "cfgwriter.h"
#include "codepage.h"
#include "writefaults.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace {

// The 27 characters that Windows-1252 holds from 0x80 to 0x9F, and its bytes for them, written
// out from the code page's table.
const QString windows1252Extras
    = QStringLiteral(u"\u20ac\u201a\u0192\u201e\u2026\u2020\u2021\u02c6\u2030"
                     u"\u0160\u2039\u0152\u017d\u2018\u2019\u201c\u201d"
                     u"\u2022\u2013\u2014\u02dc\u2122\u0161\u203a\u0153"
                     u"\u017e\u0178");
const QByteArray windows1252ExtraBytes = "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8a\x8b\x8c\x8e"
                                         "\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9a\x9b\x9c\x9e"
                                         "\x9f";

} // namespace

class tst_CfgWriter : public QObject {
    Q_OBJECT

private slots:
    void init();
    void readsOnlyScriptFiles_data();
    void readsOnlyScriptFiles();
    void writesExactBytes_data();
    void writesExactBytes();
    void replacesWholeContent();
    void keepsPermissions();
    void savesThroughSymbolicLink();
    void refusesUnencodableText_data();
    void refusesUnencodableText();
    void failsWithoutTouchingOldFile_data();
    void failsWithoutTouchingOldFile();
    void encodesAsTheSystemConverter_data();
    void encodesAsTheSystemConverter();
    void decodesEveryByteBack();
    void matchesThePublishedTable_data();
    void matchesThePublishedTable();
    void respellsInLettersItHolds_data();
    void respellsInLettersItHolds();
    void writeFailureKeepsOldFile_data();
    void writeFailureKeepsOldFile();
    void faultsKeepTheOldScript_data();
    void faultsKeepTheOldScript();

private:
    QString pathOf(const QString &name) const { return m_dir->filePath(name); }
    void createFile(const QString &path, const QByteArray &bytes);
    QByteArray contentOf(const QString &path);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_CfgWriter::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_CfgWriter::readsOnlyScriptFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("refusal"); // the start of the reason
    QTest::newRow("a folder") << u"folder"_qs << u"It is a folder"_qs;
#ifdef Q_OS_UNIX
    // Opening a pipe would wait for a writer, and /dev/zero never ends.
    QTest::newRow("a pipe") << u"fifo"_qs << u"It is not a file but a pipe"_qs;
    QTest::newRow("a device") << u"/dev/zero"_qs << u"It is not a file but a pipe"_qs;
#endif
    // Sparse files: read up to the limit, where the zero bytes show it was read; past it, not.
    QTest::newRow("64 MiB, the limit, is read") << u"limit"_qs << u"This is not a script"_qs;
    QTest::newRow("a byte more is not") << u"over"_qs << u"The file is 64 MiB, far larger"_qs;
}

void tst_CfgWriter::readsOnlyScriptFiles()
{
    QFETCH(QString, kind);
    QFETCH(QString, refusal);
    QString path = kind.startsWith(u'/') ? kind : pathOf(kind);
    if (kind == u"folder") {
        QVERIFY(QDir().mkdir(path));
    } else if (kind == u"fifo") {
#ifdef Q_OS_UNIX
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
    } else if (!kind.startsWith(u'/')) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(CfgReader::largestFile + (kind == u"over")));
    }
    QElapsedTimer clock;
    clock.start();
    QString reason;
    QVERIFY(!CfgReader::read(path, CodePage(), &reason));
    QVERIFY2(reason.startsWith(refusal), qPrintable(reason));
    QVERIFY(clock.elapsed() < 2000);
}

void tst_CfgWriter::createFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray tst_CfgWriter::contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void tst_CfgWriter::writesExactBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<CodePage>("codePage");
    const CodePage polish = CodePage::Id::CentralEuropean;
    const CodePage russian = CodePage::Id::Cyrillic;

    QTest::newRow("Polish name in Windows-1250")
        << u"set name \u0141ukasz \u017c\u00f3\u0142w"_qs
        << QByteArray("set name \xa3ukasz \xbf\xf3\xb3w\r\n") << polish;
    QTest::newRow("Russian name in Windows-1251")
        << u"set name \u0421\u043d\u0430\u0439\u043f\u0435\u0440"_qs
        << QByteArray("set name \xd1\xed\xe0\xe9\xef\xe5\xf0\r\n") << russian;
    // Sixteen characters at a time narrow only ASCII in a code page that does not share Latin-1.
    QTest::newRow("Cyrillic amid a long line")
        << (QString(40, u'a') + u"\u0416\u00a0"_qs + QString(40, u'b'))
        << (QByteArray(40, 'a') + "\xc6\xa0" + QByteArray(40, 'b') + "\r\n") << russian;
    QTest::newRow("Windows-1250 letters of Latin-1's range amid a long line")
        << (QString(40, u'a') + u"\u00f3\u00e9"_qs + QString(40, u'b'))
        << (QByteArray(40, 'a') + "\xf3\xe9" + QByteArray(40, 'b') + "\r\n") << polish;

    QTest::newRow("name with codes")
        << u"set name ^1Pla^4yer"_qs << QByteArray("set name ^1Pla^4yer\r\n") << CodePage();
    QTest::newRow("empty name") << u"set name "_qs << QByteArray("set name \r\n") << CodePage();
    QTest::newRow("empty script") << QString() << QByteArray("\r\n") << CodePage();
    QTest::newRow("Latin-1 letters") << u"set name J\u00fcrgen\u00a0\u00ff"_qs
                                     << QByteArray("set name J\xfcrgen\xa0\xff\r\n") << CodePage();
    QTest::newRow("Windows-1252 letters") << u"set name J\u00fcrgen\u20ac"_qs
                                          << QByteArray("set name J\xfcrgen\x80\r\n") << CodePage();
    // Short lines go through the last, narrow loop: letters of U+0100 to U+01FF among them.
    QTest::newRow("short name of Windows-1252 letters beyond Latin-1")
        << u"set name \u0152\u0160\u017d\u0178\u0192"_qs
        << QByteArray("set name \x8c\x8a\x8e\x9f\x83\r\n") << CodePage();
    QTest::newRow("every Windows-1252 extra")
        << (u"set name "_qs + windows1252Extras) << ("set name " + windows1252ExtraBytes + "\r\n")
        << CodePage();
    // Long lines go through sixteen characters at a time; a character among them decides.
    QTest::newRow("Windows-1252 amid a long line")
        << (QString(100, u'a') + u'\u20ac' + QString(100, u'b'))
        << (QByteArray(100, 'a') + '\x80' + QByteArray(100, 'b') + "\r\n") << CodePage();
    QTest::newRow("bytes Windows-1252 leaves undefined")
        << u"\u0081\u008d\u008f\u0090\u009d"_qs << QByteArray("\x81\x8d\x8f\x90\x9d\r\n")
        << CodePage();
    QTest::newRow("Windows-1252 quotes on later lines")
        << u"a\nb\n\u201cq\u201d\n"_qs << QByteArray("a\r\nb\r\n\x93q\x94\r\n\r\n") << CodePage();
    QTest::newRow("lines get CR LF") << u"// one\nset name ^2A\n"_qs
                                     << QByteArray("// one\r\nset name ^2A\r\n\r\n") << CodePage();
    QTest::newRow("carets and quotes unchanged")
        << u"set name \"^^1;\\\""_qs << QByteArray("set name \"^^1;\\\"\r\n") << CodePage();

    // Megabytes of text, which the writer cannot take in one piece.
    const QString lines = u"set name ^1a\nwait 5\n"_qs.repeated(100 * 1024);
    QByteArray linesWithCrLf = lines.toLatin1().replace("\n", "\r\n") + "\r\n";
    QTest::newRow("megabytes") << lines << linesWithCrLf << CodePage();
    QTest::newRow("megabytes of Windows-1252")
        << (lines + u'\u20ac') << linesWithCrLf.insert(linesWithCrLf.size() - 2, '\x80')
        << CodePage();

    // The writer's pieces: at, below and above a piece's end, on both ways of encoding.
    const qsizetype chunk = CfgWriter::chunkCharacters;
    for (const auto &[size, name] :
        { std::pair { chunk - 1, "one piece less one" }, std::pair { chunk, "exactly one piece" },
            std::pair { chunk + 1, "one piece and one" } }) {
        const QString text(size, u'a');
        const QByteArray bytes = QByteArray(size, 'a') + "\r\n";
        QTest::newRow(name) << text << bytes << CodePage();
        QTest::addRow("%s, last one \u20ac", name)
            << QString(text).replace(size - 1, 1, u'\u20ac')
            << QByteArray(bytes).replace(size - 1, 1, "\x80") << CodePage();
    }
    QTest::newRow("Cyrillic where a piece ends, in Windows-1251")
        << (QString(chunk - 1, u'a') + u"\u0416\u0436"_qs)
        << (QByteArray(chunk - 1, 'a') + "\xc6\xe6\r\n") << CodePage(CodePage::Id::Cyrillic);
    QTest::newRow("one piece and a line break")
        << (QString(chunk, u'a') + u'\n') << (QByteArray(chunk, 'a') + "\r\n\r\n") << CodePage();
    QTest::newRow("a line break that ends a piece")
        << (QString(chunk - 1, u'\u20ac') + u"\nb"_qs)
        << (QByteArray(chunk - 1, '\x80') + "\r\nb\r\n") << CodePage();
}

void tst_CfgWriter::writesExactBytes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(CodePage, codePage);

    QString error;
    // The start of the file as the game reads it, which the notice after a save checks.
    constexpr qsizetype headCharacters = 64 * 1024;
    QString head;
    QVERIFY2(CfgWriter::write(
                 pathOf("name.cfg"), [&] { return text; }, codePage, &error, &head, headCharacters),
        qPrintable(error));
    QCOMPARE(contentOf(pathOf("name.cfg")), bytes);
    QCOMPARE(head, codePage.decode(bytes.first(std::min(bytes.size(), headCharacters))));
}

void tst_CfgWriter::replacesWholeContent()
{
    createFile(pathOf("old.cfg"), QByteArray(1000, 'x'));
    QString error;
    QVERIFY(CfgWriter::write(
        pathOf("old.cfg"), [] { return u"set name A"_qs; }, CodePage(), &error));
    QCOMPARE(contentOf(pathOf("old.cfg")), QByteArray("set name A\r\n"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList { "old.cfg" });
}

void tst_CfgWriter::keepsPermissions()
{
#ifndef Q_OS_UNIX
    QSKIP("Only Unix gives a file permissions for its group and others.");
#endif
    const QString path = pathOf("shared.cfg");
    createFile(path, "old");
    const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
        | QFile::WriteGroup | QFile::ReadOther | QFile::ReadUser | QFile::WriteUser;
    QVERIFY(QFile::setPermissions(path, permissions));

    QString error;
    QVERIFY(CfgWriter::write(
        path, [] { return u"set name A"_qs; }, CodePage(), &error));
    QCOMPARE(QFile::permissions(path), permissions);
}

void tst_CfgWriter::savesThroughSymbolicLink()
{
#ifndef Q_OS_UNIX
    QSKIP("QFile::link() makes a shortcut on Windows, which a save replaces as any file.");
#endif
    const QString target = pathOf("target.cfg");
    const QString link = pathOf("link.cfg");
    createFile(target, "old");
    QVERIFY(QFile::link(target, link));

    QString error;
    QVERIFY(CfgWriter::write(
        link, [] { return u"set name A"_qs; }, CodePage(), &error));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(contentOf(target), QByteArray("set name A\r\n"));
}

void tst_CfgWriter::refusesUnencodableText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("named");
    QTest::addColumn<CodePage>("codePage");

    // Latin-1's bytes mean other letters in the other code pages: none narrows to its own byte.
    QTest::newRow("superscript three, 0xB3 in Latin-1, in Windows-1250")
        << u"set name a\u00b3"_qs << u"(U+00B3)"_qs << CodePage(CodePage::Id::CentralEuropean);
    QTest::newRow("a Western letter in Windows-1251, amid a long line")
        << (QString(40, u'a') + u"\u00e9"_qs + QString(40, u'b')) << u"(U+00E9)"_qs
        << CodePage(CodePage::Id::Cyrillic);
    QTest::newRow("superscript three in Windows-1250, amid a long line")
        << (QString(40, u'a') + u"\u00b3"_qs + QString(40, u'b')) << u"(U+00B3)"_qs
        << CodePage(CodePage::Id::CentralEuropean);
    QTest::newRow("a Cyrillic letter in Windows-1250")
        << u"set name \u0421"_qs << u"(U+0421)"_qs << CodePage(CodePage::Id::CentralEuropean);

    QTest::newRow("Greek letter") << u"set name ^1\u03a9mega"_qs
                                  << u"\u201c\u03a9\u201d (U+03A9)"_qs << CodePage();
    QTest::newRow("first of several")
        << u"set name \u0416\u03a9"_qs << u"(U+0416)"_qs << CodePage();
    QTest::newRow("beyond the BMP") << u"set name x\U0001F600"_qs << u"(U+1F600)"_qs << CodePage();
    QTest::newRow("beyond the BMP where a piece ends")
        << (QString(CfgWriter::chunkCharacters - 1, u'a') + u"\U0001F600"_qs) << u"(U+1F600)"_qs
        << CodePage();
    QTest::newRow("lone surrogate")
        << (u"set name "_qs + QChar(0xD800) + u"a"_qs) << u"U+D800"_qs << CodePage();
    QTest::newRow("control code between Latin-1 and Windows-1252")
        << u"set name \u00e9\u0093"_qs << u"U+0093"_qs << CodePage();
    QTest::newRow("in a later line")
        << u"// ok\nset name \u4e2d"_qs << u"(U+4E2D)"_qs << CodePage();
    QTest::newRow("control code amid a long line")
        << (QString(100, u'a') + u'\u0093' + QString(100, u'b')) << u"U+0093"_qs << CodePage();
    QTest::newRow("short name, a letter of U+0100 to U+01FF")
        << u"set name \u0142"_qs << u"(U+0142)"_qs << CodePage();
    QTest::newRow("short name, another") << u"set name A\u0151"_qs << u"(U+0151)"_qs << CodePage();
    // Pasted text can carry it unseen; dropping it would change the name without a word.
    QTest::newRow("zero-width no-break space")
        << u"set name A\ufeffB"_qs << u"U+FEFF"_qs << CodePage();
    QTest::newRow("C1 code Windows-1252 puts the euro in place of")
        << u"set name \u0080"_qs << u"U+0080"_qs << CodePage();
}

void tst_CfgWriter::refusesUnencodableText()
{
    QFETCH(QString, text);
    QFETCH(QString, named);
    QFETCH(CodePage, codePage);

    const QString existing = pathOf("existing.cfg");
    createFile(existing, "set name old\r\n");
    const QString fresh = pathOf("fresh.cfg");

    QString error;
    QVERIFY(!CfgWriter::write(
        existing, [&] { return text; }, codePage, &error));
    QVERIFY2(error.contains(named), qPrintable(error));
    QCOMPARE(contentOf(existing), QByteArray("set name old\r\n"));

    QVERIFY(!CfgWriter::write(
        fresh, [&] { return text; }, codePage, &error));
    QVERIFY(!QFile::exists(fresh));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList { "existing.cfg" });
}

void tst_CfgWriter::failsWithoutTouchingOldFile_data()
{
    QTest::addColumn<QString>("path");

    QTest::newRow("missing folder") << u"no-such-folder/name.cfg"_qs;
    QTest::newRow("path is a folder") << u"folder"_qs;
    QTest::newRow("empty path") << QString();
#ifdef Q_OS_UNIX
    // Even root cannot create files in /proc.
    QTest::newRow("unwritable folder") << u"/proc/tintmark-name.cfg"_qs;
    if (geteuid() != 0)
        QTest::newRow("read-only file") << u"read-only.cfg"_qs;
#else
    QTest::newRow("read-only file") << u"read-only.cfg"_qs;
#endif
}

void tst_CfgWriter::failsWithoutTouchingOldFile()
{
    QFETCH(QString, path);

    QVERIFY(QDir(m_dir->path()).mkdir("folder"));
    createFile(pathOf("read-only.cfg"), "set name old\r\n");
    QVERIFY(QFile::setPermissions(pathOf("read-only.cfg"), QFile::ReadOwner | QFile::ReadUser));

    bool textTaken = false;
    QString error;
    const QString fullPath = path.isEmpty() || path.startsWith(u'/') ? path : pathOf(path);
    QVERIFY(!CfgWriter::write(
        fullPath,
        [&] {
            textTaken = true;
            return u"set name A"_qs;
        },
        CodePage(), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY2(!textTaken, "the text is taken only once the file is open");
    QCOMPARE(contentOf(pathOf("read-only.cfg")), QByteArray("set name old\r\n"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList { "read-only.cfg" });
}

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

void tst_CfgWriter::encodesAsTheSystemConverter_data()
{
    QTest::addColumn<CodePage>("codePage");
    for (const CodePage::Id id : CodePage::all)
        QTest::newRow(qPrintable(CodePage(id).name())) << CodePage(id);
}

// Every character of the Basic Multilingual Plane gets the bytes the system's converter gives it,
// or is refused where the converter refuses it. The system's converter drops U+FEFF silently in
// some versions, and gives the bytes a code page leaves undefined to their control codes in
// others; Tintmark refuses U+FEFF and keeps the control codes, so that every byte reads back.
void tst_CfgWriter::encodesAsTheSystemConverter()
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
            differences << u"U+%1"_qs.arg(uint(codePoint), 4, 16, QLatin1Char('0'));
    }
    QCOMPARE(differences, QStringList());
}

// Every byte is a character, so a script read and saved again keeps its bytes.
void tst_CfgWriter::decodesEveryByteBack()
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

void tst_CfgWriter::matchesThePublishedTable_data()
{
    QTest::addColumn<CodePage>("codePage");
    QTest::addColumn<QString>("table");
    QTest::newRow("Windows-1250") << CodePage(CodePage::Id::CentralEuropean)
                                  << u":/data/CP1250.TXT"_qs;
    QTest::newRow("Windows-1251") << CodePage(CodePage::Id::Cyrillic) << u":/data/CP1251.TXT"_qs;
}

// Each of the 256 bytes both ways, as the table maps it; a byte it leaves undefined is the
// control code of its own value.
void tst_CfgWriter::matchesThePublishedTable()
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

void tst_CfgWriter::respellsInLettersItHolds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<CodePage>("codePage");
    QTest::addColumn<QString>("respelled");
    const CodePage western;
    const CodePage russian = CodePage::Id::Cyrillic;
    const CodePage polish = CodePage::Id::CentralEuropean;

    QTest::newRow("Polish for a Western edition")
        << u"^1\u0141ukasz \u017c\u00f3\u0142w"_qs << western << u"^1Lukasz z\u00f3lw"_qs;
    QTest::newRow("Russian for a Western edition")
        << u"\u0421\u043d\u0430\u0439\u043f\u0435\u0440"_qs << western << u"Snajper"_qs;
    QTest::newRow("capitals of two letters, signs left out")
        << u"\u0429\u0418\u0422 \u0416\u0443\u043a \u043e\u0431\u044a\u0451\u043c"_qs << polish
        << u"SHCHIT Zhuk obem"_qs;
    QTest::newRow("Polish for a Russian edition")
        << u"\u0141\u00f3d\u017a"_qs << russian << u"Lodz"_qs;
    QTest::newRow("held letters stay")
        << u"\u0141\u00f3d\u017a"_qs << polish << u"\u0141\u00f3d\u017a"_qs;
    QTest::newRow("marks on marks, ligatures, bold letters")
        << u"Nguy\u1ec5n \u0133 \ufb01 \U0001D400"_qs << polish << u"Nguyen ij fi A"_qs;
    QTest::newRow("a color code's character stays one")
        << u"^\u0416abc"_qs << western << u"^Zabc"_qs;
    QTest::newRow("emoji and Chinese left out")
        << u"a\U0001F600b\u4e2dc"_qs << russian << u"abc"_qs;
}

void tst_CfgWriter::respellsInLettersItHolds()
{
    QFETCH(QString, name);
    QFETCH(CodePage, codePage);
    QFETCH(QString, respelled);

    QCOMPARE(codePage.respelled(name), respelled);
}

// A real write failure: the kernel refuses bytes past a file size limit (EFBIG), as a full disk
// would refuse them. Sizes run from one name, which a file's buffer would hold whole until the
// file is closed, through that buffer's 16 KiB to many times it.
void tst_CfgWriter::writeFailureKeepsOldFile_data()
{
    QTest::addColumn<qsizetype>("length");
    QTest::addColumn<bool>("oldFile");

    for (const qsizetype length : { 10, 16 * 1024 - 1, 16 * 1024, 16 * 1024 + 1, 100'000 }) {
        QTest::addRow("%lld characters over an old script", qlonglong(length)) << length << true;
        QTest::addRow("%lld characters to a new file", qlonglong(length)) << length << false;
    }
}

void tst_CfgWriter::writeFailureKeepsOldFile()
{
    QFETCH(qsizetype, length);
    QFETCH(bool, oldFile);

    const QString path = pathOf("name.cfg");
    if (oldFile)
        createFile(path, "set name old\r\n");
    const QString text(length, u'x');
    QString error;
    {
        FileSizeLimit limit(8);
        if (!limit.isActive())
            QSKIP(noFileSizeLimit);
        QVERIFY(!CfgWriter::write(
            path, [&] { return text; }, CodePage(), &error));
    }
    QVERIFY2(error.contains(FileSizeLimit::reason()), qPrintable(error));
    QCOMPARE(contentOf(path), oldFile ? QByteArray("set name old\r\n") : "<missing>");
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files),
        oldFile ? QStringList { "name.cfg" } : QStringList());

    // Without the limit the same write succeeds: the failure came from the limit.
    QVERIFY2(CfgWriter::write(
                 path, [&] { return text; }, CodePage(), &error),
        qPrintable(error));
    QCOMPARE(QFileInfo(path).size(), length + 2);
}

// Each fault the system can make, while writing, while flushing the last bytes and at the
// commit that replaces the script: the old script stays whole, the reason is said, and the same
// write works once the fault is gone.
void tst_CfgWriter::faultsKeepTheOldScript_data() { addWriteFaultRows(); }

void tst_CfgWriter::faultsKeepTheOldScript()
{
    QFETCH(WriteFault, fault);

    const QByteArray old = "set name old\r\n";
    struct {
        QString path;
    } target;
    QString error;
    bool written = true;
    const FaultedSave saved = saveUnderFault(fault, old, m_dir->path(), target, [&] {
        written = CfgWriter::write(
            target.path, [] { return u"set name ^1A"_qs; }, CodePage(), &error);
    });
    if (saved.notMade)
        QSKIP(saved.notMade);
    QCOMPARE(saved.kept, old);
    QCOMPARE(saved.files, QStringList { "old.cfg" });
    QVERIFY2(error.contains(saved.reason), qPrintable(error));
    if (fault != WriteFault::FullDisk) {
        QVERIFY2(written, qPrintable(error));
        QCOMPARE(saved.savedAfter, QByteArray("set name ^1A\r\n"));
    }
}

QTEST_GUILESS_MAIN(tst_CfgWriter)
#include "tst_cfgwriter.moc"
