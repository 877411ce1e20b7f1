#include "cfgwriter.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

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
    void writeErrorKeepsOldFile();

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

    QTest::newRow("name with codes")
        << u"set name ^1Pla^4yer"_qs << QByteArray("set name ^1Pla^4yer\r\n");
    QTest::newRow("empty name") << u"set name "_qs << QByteArray("set name \r\n");
    QTest::newRow("empty script") << QString() << QByteArray("\r\n");
    QTest::newRow("Latin-1 letters")
        << u"set name J\u00fcrgen\u00a0\u00ff"_qs << QByteArray("set name J\xfcrgen\xa0\xff\r\n");
    QTest::newRow("Windows-1252 letters")
        << u"set name J\u00fcrgen\u20ac"_qs << QByteArray("set name J\xfcrgen\x80\r\n");
    QTest::newRow("Windows-1252 quotes on later lines")
        << u"a\nb\n\u201cq\u201d\n"_qs << QByteArray("a\r\nb\r\n\x93q\x94\r\n\r\n");
    QTest::newRow("lines get CR LF")
        << u"// one\nset name ^2A\n"_qs << QByteArray("// one\r\nset name ^2A\r\n\r\n");
    QTest::newRow("carets and quotes unchanged")
        << u"set name \"^^1;\\\""_qs << QByteArray("set name \"^^1;\\\"\r\n");

    // Megabytes of text, which the writer cannot take in one piece.
    const QString lines = u"set name ^1a\nwait 5\n"_qs.repeated(100 * 1024);
    QByteArray linesWithCrLf = lines.toLatin1().replace("\n", "\r\n") + "\r\n";
    QTest::newRow("megabytes") << lines << linesWithCrLf;
    QTest::newRow("megabytes of Windows-1252")
        << (lines + u'\u20ac') << linesWithCrLf.insert(linesWithCrLf.size() - 2, '\x80');
}

void tst_CfgWriter::writesExactBytes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);

    QString error;
    QVERIFY2(CfgWriter::write(
                 pathOf("name.cfg"), [&] { return text; }, &error),
        qPrintable(error));
    QCOMPARE(contentOf(pathOf("name.cfg")), bytes);
}

void tst_CfgWriter::replacesWholeContent()
{
    createFile(pathOf("old.cfg"), QByteArray(1000, 'x'));
    QString error;
    QVERIFY(CfgWriter::write(
        pathOf("old.cfg"), [] { return u"set name A"_qs; }, &error));
    QCOMPARE(contentOf(pathOf("old.cfg")), QByteArray("set name A\r\n"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList { "old.cfg" });
}

void tst_CfgWriter::keepsPermissions()
{
    const QString path = pathOf("shared.cfg");
    createFile(path, "old");
    const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
        | QFile::WriteGroup | QFile::ReadOther | QFile::ReadUser | QFile::WriteUser;
    QVERIFY(QFile::setPermissions(path, permissions));

    QString error;
    QVERIFY(CfgWriter::write(
        path, [] { return u"set name A"_qs; }, &error));
    QCOMPARE(QFile::permissions(path), permissions);
}

void tst_CfgWriter::savesThroughSymbolicLink()
{
    const QString target = pathOf("target.cfg");
    const QString link = pathOf("link.cfg");
    createFile(target, "old");
    QVERIFY(QFile::link(target, link));

    QString error;
    QVERIFY(CfgWriter::write(
        link, [] { return u"set name A"_qs; }, &error));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(contentOf(target), QByteArray("set name A\r\n"));
}

void tst_CfgWriter::refusesUnencodableText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("named");

    QTest::newRow("Greek letter") << u"set name ^1\u03a9mega"_qs
                                  << u"\u201c\u03a9\u201d (U+03A9)"_qs;
    QTest::newRow("first of several") << u"set name \u0416\u03a9"_qs << u"(U+0416)"_qs;
    QTest::newRow("beyond the BMP") << u"set name x\U0001F600"_qs << u"(U+1F600)"_qs;
    QTest::newRow("lone surrogate") << (u"set name "_qs + QChar(0xD800) + u"a"_qs) << u"U+D800"_qs;
    QTest::newRow("control code between Latin-1 and Windows-1252")
        << u"set name \u00e9\u0093"_qs << u"U+0093"_qs;
    QTest::newRow("in a later line") << u"// ok\nset name \u4e2d"_qs << u"(U+4E2D)"_qs;
}

void tst_CfgWriter::refusesUnencodableText()
{
    QFETCH(QString, text);
    QFETCH(QString, named);

    const QString existing = pathOf("existing.cfg");
    createFile(existing, "set name old\r\n");
    const QString fresh = pathOf("fresh.cfg");

    QString error;
    QVERIFY(!CfgWriter::write(
        existing, [&] { return text; }, &error));
    QVERIFY2(error.contains(named), qPrintable(error));
    QCOMPARE(contentOf(existing), QByteArray("set name old\r\n"));

    QVERIFY(!CfgWriter::write(
        fresh, [&] { return text; }, &error));
    QVERIFY(!QFile::exists(fresh));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList { "existing.cfg" });
}

void tst_CfgWriter::failsWithoutTouchingOldFile_data()
{
    QTest::addColumn<QString>("path");

    QTest::newRow("missing folder") << u"no-such-folder/name.cfg"_qs;
    QTest::newRow("path is a folder") << u"folder"_qs;
    // Even root cannot create files in /proc.
    QTest::newRow("unwritable folder") << u"/proc/tintmark-name.cfg"_qs;
    QTest::newRow("empty path") << QString();
    if (geteuid() != 0)
        QTest::newRow("read-only file") << u"read-only.cfg"_qs;
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
        &error));
    QVERIFY(!error.isEmpty());
    QVERIFY2(!textTaken, "the text is taken only once the file is open");
    QCOMPARE(contentOf(pathOf("read-only.cfg")), QByteArray("set name old\r\n"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList { "read-only.cfg" });
}

// A real write failure: the helper writes under a file size limit of 64 bytes, so the kernel
// refuses the script's bytes (EFBIG) just as a full disk would.
void tst_CfgWriter::writeErrorKeepsOldFile()
{
    const QString path = pathOf("big.cfg");
    createFile(path, "set name old\r\n");

    QProcess helper;
    helper.start(QStringLiteral(FSIZE_LIMITED_WRITE), { path, u"64"_qs, u"100000"_qs });
    QVERIFY(helper.waitForFinished(10000));
    QCOMPARE(helper.exitStatus(), QProcess::NormalExit);
    QCOMPARE(helper.exitCode(), 1);
    QVERIFY(!helper.readAllStandardOutput().trimmed().isEmpty());
    QCOMPARE(contentOf(path), QByteArray("set name old\r\n"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList { "big.cfg" });

    // Without the limit the same write succeeds: the failure came from the limit.
    helper.start(QStringLiteral(FSIZE_LIMITED_WRITE), { path, u"0"_qs, u"100000"_qs });
    QVERIFY(helper.waitForFinished(10000));
    QCOMPARE(helper.exitCode(), 0);
    QCOMPARE(QFileInfo(path).size(), 100002);
}

QTEST_GUILESS_MAIN(tst_CfgWriter)
#include "tst_cfgwriter.moc"
