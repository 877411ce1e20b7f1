// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakedialogs.h"
#include "widgets/gameedition.h"
#include "widgets/scriptopener.h"
#include "widgets/scriptsaver.h"
#include "treefile.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Opening a script for the editor: what it refuses, what it asks first, and a script saved as
// UTF-8 read as the player wrote it, in the letters of the game's edition.
class tst_ScriptOpener : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void asksBeforeOpeningWhatNoGameReads_data();
    void asksBeforeOpeningWhatNoGameReads();
    void refusesAFileThatIsNotText_data();
    void refusesAFileThatIsNotText();
    void offersToReadAScriptSavedAsUtf8_data();
    void offersToReadAScriptSavedAsUtf8();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);

    QTemporaryDir m_settings;
    std::unique_ptr<QTemporaryDir> m_dir;
    FakeDialogs m_dialogs;
    InstalledGames m_games { GameSearch() }; // none
    std::unique_ptr<GameEdition> m_edition;
    std::unique_ptr<ScriptOpener> m_opener;
    std::unique_ptr<ScriptSaver> m_saver;
    std::unique_ptr<QWidget> m_window; // the editor the script is opened for
};

void tst_ScriptOpener::initTestCase()
{
    // The choice of edition and the recent scripts go to the test's own settings.
    QVERIFY(m_settings.isValid());
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
}

void tst_ScriptOpener::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_dialogs = {};
    m_edition = std::make_unique<GameEdition>(m_games);
    m_opener = std::make_unique<ScriptOpener>(m_dialogs, *m_edition);
    m_saver = std::make_unique<ScriptSaver>(m_dialogs, *m_edition);
    m_window = std::make_unique<QWidget>();
}

void tst_ScriptOpener::cleanup()
{
    m_edition->choose(std::nullopt);
    m_window.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QString tst_ScriptOpener::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir->filePath(name);
    return writeTreeFile(path, bytes) ? path : QString();
}

void tst_ScriptOpener::asksBeforeOpeningWhatNoGameReads_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("asked");
    const QByteArray line(64 * 1024, 'x');
    QTest::newRow("1 MiB in lines of 64 KiB") << (line + '\n').repeated(16).chopped(16) << false;
    QTest::newRow("a byte more") << (line + '\n').repeated(16).chopped(15) << true;
    QTest::newRow("a line of 64 KiB and one byte") << line + 'x' << true;
}

void tst_ScriptOpener::asksBeforeOpeningWhatNoGameReads()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, asked);
    m_dialogs.openLarge = false;
    const std::optional<OpenedScript> opened
        = m_opener->open(m_window.get(), false, writeFile(u"big.cfg"_s, bytes));
    QCOMPARE(m_dialogs.largeQuestions, asked ? 1 : 0);
    QCOMPARE(!opened, asked);
}

void tst_ScriptOpener::refusesAFileThatIsNotText_data()
{
    QTest::addColumn<char>("byte");
    QTest::addColumn<QString>("named");
    QTest::newRow("NUL") << '\0' << u"0x00"_s;
    QTest::newRow("0x01") << '\x01' << u"0x01"_s;
    QTest::newRow("escape") << '\x1b' << u"0x1b"_s;
    QTest::newRow("0x1F, the last control code") << '\x1f' << u"0x1f"_s;
}

void tst_ScriptOpener::refusesAFileThatIsNotText()
{
    QFETCH(char, byte);
    QFETCH(QString, named);
    const QString path = writeFile(u"binary.cfg"_s, QByteArray("set") + byte + "name\tA\r\n");
    QVERIFY(!path.isEmpty());
    QVERIFY(!m_opener->open(m_window.get(), false, path));
    QCOMPARE(m_dialogs.messages.size(), 1);
    QVERIFY2(m_dialogs.messages.first().contains(named + u" at offset 3"_s),
        qPrintable(m_dialogs.messages.first()));
}

void tst_ScriptOpener::offersToReadAScriptSavedAsUtf8_data()
{
    QTest::addColumn<QString>("edition"); // the player's choice
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("readAsUtf8");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("respellings"); // said in the question
    QTest::addColumn<QByteArray>("saved");
    const QByteArray utf8 = "set name \"B\xc3\xa9\"\r\n";
    QTest::newRow("read as UTF-8, saved as the game reads it")
        << u"english"_s << utf8 << true << u"set name \"B\u00e9\""_s << QStringList()
        << QByteArray("set name \"B\xe9\"\r\n");
    QTest::newRow("read as the game reads it")
        << u"english"_s << utf8 << false << u"set name \"B\u00c3\u00a9\""_s << QStringList()
        << utf8;
    const QByteArray lukasz = "set name \"\xc5\x81ukasz\"\r\n";
    QTest::newRow("Polish edition: saved in Windows-1250")
        << u"polish"_s << lukasz << true << u"set name \"\u0141ukasz\""_s << QStringList()
        << QByteArray("set name \"\xa3ukasz\"\r\n");
    QTest::newRow("Western edition: spelt in its letters, no dead end at Save")
        << u"english"_s << lukasz << true << u"set name \"Lukasz\""_s
        << QStringList { u"\u201c\u0141\u201d as \u201cL\u201d"_s }
        << QByteArray("set name \"Lukasz\"\r\n");
    QTest::newRow("Russian edition: saved in Windows-1251")
        << u"russian"_s << QByteArray("set name \xd0\xa1\xd0\xbd\xd0\xb0\xd0\xb9\r\n") << true
        << u"set name \u0421\u043d\u0430\u0439"_s << QStringList()
        << QByteArray("set name \xd1\xed\xe0\xe9\r\n");
}

void tst_ScriptOpener::offersToReadAScriptSavedAsUtf8()
{
    QFETCH(QString, edition);
    QFETCH(QByteArray, file);
    QFETCH(bool, readAsUtf8);
    QFETCH(QString, text);
    QFETCH(QStringList, respellings);
    QFETCH(QByteArray, saved);
    const QString path = writeFile(u"utf8.cfg"_s, file);
    QVERIFY(!path.isEmpty());
    m_edition->choose(GameLanguage::ofKey(edition));

    m_dialogs.readAsUtf8 = readAsUtf8;
    const std::optional<OpenedScript> opened = m_opener->open(m_window.get(), false, path);
    QVERIFY(opened);
    QCOMPARE(m_dialogs.utf8Questions, 1);
    QCOMPARE(m_dialogs.utf8Respellings, respellings);
    QCOMPARE(opened->text, text);
    QVERIFY(opened->endsWithLineBreak); // the file's last line break
    // Read as UTF-8, the text is not what the file holds until it is saved.
    QCOMPARE(opened->readAsUtf8, readAsUtf8);
    const QString savedTo = m_dir->filePath(u"saved.cfg"_s);
    QVERIFY(
        !m_saver->saveTo(m_window.get(), savedTo, [&opened] { return opened->text; }).isEmpty());
    QFile written(savedTo);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), saved);
    QCOMPARE(m_dialogs.messages, QStringList());
}

QTEST_MAIN(tst_ScriptOpener)
#include "tst_scriptopener.moc"
