#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// What `cmake --install` puts into a prefix: the program, its desktop entry and its icons.
class tst_Install : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void program();
    void desktopEntry();
    void themeIcons_data();
    void themeIcons();
    void applicationIcon();

private:
    QString installed(const QString &path) const { return m_prefix.filePath(path); }

    QTemporaryDir m_prefix;
};

void tst_Install::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    QProcess install;
    install.start(QStringLiteral(CMAKE_COMMAND),
        { u"--install"_qs, QStringLiteral(BUILD_DIR), u"--prefix"_qs, m_prefix.path() });
    QVERIFY(install.waitForFinished(60000));
    QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
}

void tst_Install::program() { QVERIFY(QFileInfo(installed(u"bin/tintmark"_qs)).isExecutable()); }

void tst_Install::desktopEntry()
{
    const QString entry = installed(u"share/applications/tintmark.desktop"_qs);
    QProcess validate;
    validate.start(u"desktop-file-validate"_qs, { entry });
    QVERIFY2(validate.waitForFinished(10000), "desktop-file-validate (desktop-file-utils) missing");
    QVERIFY2(validate.exitCode() == 0, validate.readAllStandardOutput().constData());

    QFile file(entry);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (const char *line :
        { "Name=Tintmark", "Exec=tintmark", "Icon=tintmark", "Categories=Game;Utility;" })
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
    QFETCH(int, size);
    const QImage icon(installed(u"share/icons/hicolor/%1x%1/apps/tintmark.png"_qs.arg(size)));
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

QTEST_GUILESS_MAIN(tst_Install)
#include "tst_install.moc"
