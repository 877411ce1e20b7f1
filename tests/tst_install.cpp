// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTest>
#include <QtEndian>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#endif

using namespace Qt::StringLiterals;

// What `cmake --install` puts into a prefix: on Linux the program, its desktop entry and its
// icons; on Windows the portable folder, whose program carries its own icon and details.
class tst_Install : public QObject {
    Q_OBJECT

private slots:
    void program();
    void desktopEntry();
    void themeIcons_data();
    void themeIcons();
    void applicationIcon();
    void windowsProgram();

private:
    QString installed(const QString &path) const { return m_prefix.filePath(path); }

    // Filled by the test "install" that CTest runs first.
    const QDir m_prefix { QStringLiteral(INSTALL_PREFIX) };
};

void tst_Install::program()
{
#ifdef Q_OS_WIN
    QCOMPARE(m_prefix.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
        (QStringList { "LICENSE.txt", "README.txt", "THIRD-PARTY-NOTICES.txt", "tintmark.exe" }));
    // The notices name every family of libraries linked in, with the licences' texts.
    QFile notices(installed(u"THIRD-PARTY-NOTICES.txt"_s));
    QVERIFY(notices.open(QIODevice::ReadOnly));
    const QByteArray noticeText = notices.readAll();
    for (const char *named : { "Qt 6.4.2", "GNU LESSER GENERAL PUBLIC LICENSE", "zlib", "libpng",
             "libjpeg", "FreeType", "HarfBuzz", "PCRE2", "MinGW-w64", "winpthreads", "libstdc++",
             "GCC RUNTIME LIBRARY EXCEPTION", "./build.sh windows" })
        QVERIFY2(noticeText.contains(named), named);
    QFile readMe(installed(u"README.txt"_s));
    QVERIFY(readMe.open(QIODevice::ReadOnly));
    const QByteArray text = readMe.readAll();
    QVERIFY(text.startsWith("Tintmark " TINTMARK_VERSION " for Windows\r\n"));
    QCOMPARE(text.count("\r\n"), text.count('\n')); // Notepad's line ends
#else
    QVERIFY(QFileInfo(installed(u"bin/tintmark"_s)).isExecutable());
#endif
}

void tst_Install::desktopEntry()
{
#ifdef Q_OS_WIN
    QSKIP("Windows has no desktop entries: the program carries its icon itself.");
#endif
    const QString entry = installed(u"share/applications/org.tintmark.Tintmark.desktop"_s);
    QProcess validate;
    validate.start(u"desktop-file-validate"_s, { entry });
    QVERIFY2(validate.waitForFinished(10000), "desktop-file-validate (desktop-file-utils) missing");
    QVERIFY2(validate.exitCode() == 0, validate.readAllStandardOutput().constData());

    QFile file(entry);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (const char *line :
        { "Name=Tintmark", "Exec=tintmark %f", "Icon=tintmark", "Categories=Game;Utility;" })
        QVERIFY2(lines.contains(QLatin1String(line)), line);
}

void tst_Install::themeIcons_data()
{
    QTest::addColumn<int>("size");
    for (int size : { 16, 32, 48, 256 })
        QTest::addRow("%dx%d", size, size) << size;
}

void tst_Install::themeIcons()
{
#ifdef Q_OS_WIN
    QSKIP("Windows has no icon themes: the program carries its icon itself.");
#endif
    QFETCH(int, size);
    const QImage icon(installed(u"share/icons/hicolor/%1x%1/apps/tintmark.png"_s.arg(size)));
    QCOMPARE(icon.size(), QSize(size, size));
    QVERIFY(icon.hasAlphaChannel());
    QCOMPARE(icon.pixelColor(0, 0).alpha(), 0); // a stone on a transparent ground
}

// The program's own icon holds the four classic images: 16 and 32 pixels, in 16 and 256 colors.
void tst_Install::applicationIcon()
{
    QFile icon(QStringLiteral(ICON_FILE));
    QVERIFY(icon.open(QIODevice::ReadOnly));
    const QByteArray bytes = icon.readAll();
    QCOMPARE(bytes.left(6), QByteArray("\0\0\1\0\4\0", 6));
    QList<QList<int>> images; // width, height, colors, bits per pixel
    for (int i = 0; i < 4; ++i) {
        const char *entry = bytes.constData() + 6 + 16 * i;
        images.append({ uchar(entry[0]), uchar(entry[1]), uchar(entry[2]), uchar(entry[6]) });
    }
    QCOMPARE(images,
        (QList<QList<int>> {
            { 16, 16, 16, 4 }, { 16, 16, 0, 8 }, { 32, 32, 16, 4 }, { 32, 32, 0, 8 } }));
    QVERIFY(!QImage(QStringLiteral(ICON_FILE)).isNull());
}

// The installed tintmark.exe opens no console window, and Explorer finds its icon and details.
void tst_Install::windowsProgram()
{
#ifndef Q_OS_WIN
    QSKIP("Only a Windows build makes tintmark.exe.");
#else
    const QString program = installed(u"tintmark.exe"_s);
    QFile file(program);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // The PE header's subsystem: 2 is a window program, 3 a console program.
    const qsizetype header = qFromLittleEndian<quint32>(bytes.constData() + 0x3c);
    QCOMPARE(bytes.mid(header, 4), QByteArray("PE\0\0", 4));
    const qsizetype optionalHeader = header + 24;
    QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + optionalHeader), 0x20b); // 64-bit
    QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + optionalHeader + 68), 2);

    const QString nativePath = QDir::toNativeSeparators(program);
    const auto path = reinterpret_cast<const wchar_t *>(nativePath.utf16());
    QCOMPARE(ExtractIconExW(path, -1, nullptr, nullptr, 0), 1u);

    QByteArray info(GetFileVersionInfoSizeW(path, nullptr), Qt::Uninitialized);
    QVERIFY(!info.isEmpty());
    QVERIFY(GetFileVersionInfoW(path, 0, DWORD(info.size()), info.data()));
    const auto value = [&info](const char *name) {
        void *text = nullptr;
        UINT length = 0;
        const QString key = u"\\StringFileInfo\\040904b0\\"_s + QLatin1String(name);
        if (!VerQueryValueW(
                info.constData(), reinterpret_cast<const wchar_t *>(key.utf16()), &text, &length))
            return QString();
        return QString::fromWCharArray(static_cast<const wchar_t *>(text)).left(length);
    };
    QCOMPARE(value("ProductName"), u"Tintmark"_s);
    QCOMPARE(value("ProductVersion"), QStringLiteral(TINTMARK_VERSION));
    QCOMPARE(value("OriginalFilename"), u"tintmark.exe"_s);
#endif
}

QTEST_GUILESS_MAIN(tst_Install)
#include "tst_install.moc"
