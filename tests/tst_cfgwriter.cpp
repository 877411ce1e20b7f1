// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cfgfile/cfgwriter.h"
#include "cfgfile/codepage.h"
#include "windows1252.h"
#include "writefaults.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

class tst_CfgWriter : public QObject {
    Q_OBJECT

private slots:
    void init();
    void writesExactBytes_data();
    void writesExactBytes();
    void replacesWholeContent();
    void keepsPermissions();
    void savesThroughSymbolicLink();
    void refusesUnencodableText_data();
    void refusesUnencodableText();
    void failsWithoutTouchingOldFile_data();
    void failsWithoutTouchingOldFile();
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
        << u"set name \u0141ukasz \u017c\u00f3\u0142w"_s
        << QByteArray("set name \xa3ukasz \xbf\xf3\xb3w\r\n") << polish;
    QTest::newRow("Russian name in Windows-1251")
        << u"set name \u0421\u043d\u0430\u0439\u043f\u0435\u0440"_s
        << QByteArray("set name \xd1\xed\xe0\xe9\xef\xe5\xf0\r\n") << russian;
    // Sixteen characters at a time narrow only ASCII in a code page that does not share Latin-1.
    QTest::newRow("Cyrillic amid a long line")
        << (QString(40, u'a') + u"\u0416\u00a0"_s + QString(40, u'b'))
        << (QByteArray(40, 'a') + "\xc6\xa0" + QByteArray(40, 'b') + "\r\n") << russian;
    QTest::newRow("Windows-1250 letters of Latin-1's range amid a long line")
        << (QString(40, u'a') + u"\u00f3\u00e9"_s + QString(40, u'b'))
        << (QByteArray(40, 'a') + "\xf3\xe9" + QByteArray(40, 'b') + "\r\n") << polish;

    QTest::newRow("name with codes")
        << u"set name ^1Pla^4yer"_s << QByteArray("set name ^1Pla^4yer\r\n") << CodePage();
    QTest::newRow("empty name") << u"set name "_s << QByteArray("set name \r\n") << CodePage();
    QTest::newRow("empty script") << QString() << QByteArray("\r\n") << CodePage();
    QTest::newRow("Latin-1 letters") << u"set name J\u00fcrgen\u00a0\u00ff"_s
                                     << QByteArray("set name J\xfcrgen\xa0\xff\r\n") << CodePage();
    QTest::newRow("Windows-1252 letters") << u"set name J\u00fcrgen\u20ac"_s
                                          << QByteArray("set name J\xfcrgen\x80\r\n") << CodePage();
    // Short lines go through the last, narrow loop: letters of U+0100 to U+01FF among them.
    QTest::newRow("short name of Windows-1252 letters beyond Latin-1")
        << u"set name \u0152\u0160\u017d\u0178\u0192"_s
        << QByteArray("set name \x8c\x8a\x8e\x9f\x83\r\n") << CodePage();
    QTest::newRow("every Windows-1252 extra")
        << (u"set name "_s + windows1252Extras) << ("set name " + windows1252ExtraBytes + "\r\n")
        << CodePage();
    // Long lines go through sixteen characters at a time; a character among them decides.
    QTest::newRow("Windows-1252 amid a long line")
        << (QString(100, u'a') + u'\u20ac' + QString(100, u'b'))
        << (QByteArray(100, 'a') + '\x80' + QByteArray(100, 'b') + "\r\n") << CodePage();
    QTest::newRow("bytes Windows-1252 leaves undefined")
        << u"\u0081\u008d\u008f\u0090\u009d"_s << QByteArray("\x81\x8d\x8f\x90\x9d\r\n")
        << CodePage();
    QTest::newRow("Windows-1252 quotes on later lines")
        << u"a\nb\n\u201cq\u201d\n"_s << QByteArray("a\r\nb\r\n\x93q\x94\r\n\r\n") << CodePage();
    QTest::newRow("lines get CR LF") << u"// one\nset name ^2A\n"_s
                                     << QByteArray("// one\r\nset name ^2A\r\n\r\n") << CodePage();
    QTest::newRow("carets and quotes unchanged")
        << u"set name \"^^1;\\\""_s << QByteArray("set name \"^^1;\\\"\r\n") << CodePage();

    // Megabytes of text, which the writer cannot take in one piece.
    const QString lines = u"set name ^1a\nwait 5\n"_s.repeated(100 * 1024);
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
        << (QString(chunk - 1, u'a') + u"\u0416\u0436"_s)
        << (QByteArray(chunk - 1, 'a') + "\xc6\xe6\r\n") << CodePage(CodePage::Id::Cyrillic);
    QTest::newRow("one piece and a line break")
        << (QString(chunk, u'a') + u'\n') << (QByteArray(chunk, 'a') + "\r\n\r\n") << CodePage();
    QTest::newRow("a line break that ends a piece")
        << (QString(chunk - 1, u'\u20ac') + u"\nb"_s)
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
        pathOf("old.cfg"), [] { return u"set name A"_s; }, CodePage(), &error));
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
        path, [] { return u"set name A"_s; }, CodePage(), &error));
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
        link, [] { return u"set name A"_s; }, CodePage(), &error));
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
        << u"set name a\u00b3"_s << u"(U+00B3)"_s << CodePage(CodePage::Id::CentralEuropean);
    QTest::newRow("a Western letter in Windows-1251, amid a long line")
        << (QString(40, u'a') + u"\u00e9"_s + QString(40, u'b')) << u"(U+00E9)"_s
        << CodePage(CodePage::Id::Cyrillic);
    QTest::newRow("superscript three in Windows-1250, amid a long line")
        << (QString(40, u'a') + u"\u00b3"_s + QString(40, u'b')) << u"(U+00B3)"_s
        << CodePage(CodePage::Id::CentralEuropean);
    QTest::newRow("a Cyrillic letter in Windows-1250")
        << u"set name \u0421"_s << u"(U+0421)"_s << CodePage(CodePage::Id::CentralEuropean);

    QTest::newRow("Greek letter") << u"set name ^1\u03a9mega"_s
                                  << u"\u201c\u03a9\u201d (U+03A9)"_s << CodePage();
    QTest::newRow("first of several")
        << u"set name \u0416\u03a9"_s << u"(U+0416)"_s << CodePage();
    QTest::newRow("beyond the BMP") << u"set name x\U0001F600"_s << u"(U+1F600)"_s << CodePage();
    QTest::newRow("beyond the BMP where a piece ends")
        << (QString(CfgWriter::chunkCharacters - 1, u'a') + u"\U0001F600"_s) << u"(U+1F600)"_s
        << CodePage();
    QTest::newRow("lone surrogate")
        << (u"set name "_s + QChar(0xD800) + u"a"_s) << u"U+D800"_s << CodePage();
    QTest::newRow("control code between Latin-1 and Windows-1252")
        << u"set name \u00e9\u0093"_s << u"U+0093"_s << CodePage();
    QTest::newRow("in a later line")
        << u"// ok\nset name \u4e2d"_s << u"(U+4E2D)"_s << CodePage();
    QTest::newRow("control code amid a long line")
        << (QString(100, u'a') + u'\u0093' + QString(100, u'b')) << u"U+0093"_s << CodePage();
    QTest::newRow("short name, a letter of U+0100 to U+01FF")
        << u"set name \u0142"_s << u"(U+0142)"_s << CodePage();
    QTest::newRow("short name, another") << u"set name A\u0151"_s << u"(U+0151)"_s << CodePage();
    // Pasted text can carry it unseen; dropping it would change the name without a word.
    QTest::newRow("zero-width no-break space")
        << u"set name A\ufeffB"_s << u"U+FEFF"_s << CodePage();
    QTest::newRow("C1 code Windows-1252 puts the euro in place of")
        << u"set name \u0080"_s << u"U+0080"_s << CodePage();
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

    QTest::newRow("missing folder") << u"no-such-folder/name.cfg"_s;
    QTest::newRow("path is a folder") << u"folder"_s;
    QTest::newRow("empty path") << QString();
#ifdef Q_OS_UNIX
    // Even root cannot create files in /proc.
    QTest::newRow("unwritable folder") << u"/proc/tintmark-name.cfg"_s;
    if (geteuid() != 0)
        QTest::newRow("read-only file") << u"read-only.cfg"_s;
#else
    QTest::newRow("read-only file") << u"read-only.cfg"_s;
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
            return u"set name A"_s;
        },
        CodePage(), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY2(!textTaken, "the text is taken only once the file is open");
    QCOMPARE(contentOf(pathOf("read-only.cfg")), QByteArray("set name old\r\n"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList { "read-only.cfg" });
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
            target.path, [] { return u"set name ^1A"_s; }, CodePage(), &error);
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
