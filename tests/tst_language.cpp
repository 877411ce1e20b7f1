// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tintmarkprogram.h"
#include "clippedlabels.h"
#include "fakedialogs.h"
#include "games/installedgames.h"
#include "player/animationdialog.h"
#include "player/scriptplayerwindow.h"
#include "translations/language.h"
#include "widgets/savenotice.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Tintmark in each language it has a catalogue for: its own texts and Qt's translated, the
// windows' own face unchanged, and nothing cut off.
class tst_Language : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void windowsSpeakTheLanguage_data();
    void windowsSpeakTheLanguage();
    void checkFollowsTheLanguage_data();
    void checkFollowsTheLanguage();

private:
    QTemporaryDir m_settings;
};

void tst_Language::initTestCase()
{
    QVERIFY(m_settings.isValid());
    TintmarkProgram::setUpApplication();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
}

void tst_Language::cleanup()
{
    Language::choose(QString());
    Language::install();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_Language::windowsSpeakTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : Language::available())
        QTest::newRow(qPrintable(language)) << language;
}

void tst_Language::windowsSpeakTheLanguage()
{
    QFETCH(QString, language);
    Language::choose(language);
    Language::install();
    // A text of Tintmark's own and one of Qt's.
    const QString noWarnings = u"No warnings: the script runs as written."_s;
    QVERIFY(QCoreApplication::translate("WarningText", qPrintable(noWarnings)) != noWarnings);
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    QVERIFY(buttons.button(QDialogButtonBox::Cancel)->text() != u"Cancel"_s);

    FakeDialogs dialogs;
    InstalledGames games { GameSearch() };
    TintmarkProgram program(dialogs, games, m_settings.filePath(u"recovery"_s));
    QWidget &main = program.mainWindow();
    main.show();
    main.findChild<QLineEdit *>(u"Text1"_s)->setText(u"^1Tint^7mark"_s);
    main.findChild<QPushButton *>(u"Command1"_s)->click();
    QWidget *editor = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        editor = window->objectName() == u"frmEditor" ? window : editor;
    QVERIFY(editor);
    // The windows' own face stays as the program has always shown it.
    QCOMPARE(main.windowTitle(), u"Tintmark for COD 2 and COD"_s);
    QCOMPARE(editor->windowTitle(), u"Tintmark Editor"_s);
    QCOMPARE(main.findChild<QPushButton *>(u"Command1"_s)->text(), u"CFG &Editor"_s);
    QCOMPARE(main.findChild<QPushButton *>(u"cmdSave"_s)->text(), u"&Save"_s);
    QCOMPARE(editor->findChild<QPushButton *>(u"cmdSave"_s)->text(), u"&Save"_s);
    QCOMPARE(main.findChild<QLabel *>(u"Label11"_s)->text(), u"Script Name:"_s);
    // The menus are the program's additions: translated.
    QVERIFY(main.findChild<QMenuBar *>()->actions().first()->text() != u"&File"_s);

    ScriptPlayerWindow player(program.colors(), program.letters());
    player.setScript(u"set name ^1A\r\nwait 20\r\nset name ^2B\r\nbind F1 \"set name C\"\r\n"_s);
    player.show();
    AnimationDialog animation(u"^1Tint"_s, program.colors(), program.letters());
    animation.show();
    // A name far longer than the game keeps: the notice after its save says so at length.
    dialogs.path = m_settings.filePath(u"long.cfg"_s);
    main.findChild<QLineEdit *>(u"Text1"_s)
        ->setText(u"^1Ninety^2one^3bytes^4long^5name^6that^7the^8game^9cuts^1off^1after^2thirty"
                  "^3one^4bytes^5of"_s);
    main.findChild<QPushButton *>(u"cmdSave"_s)->click();
    const auto *notice = main.findChild<SaveNotice *>();
    QVERIFY(notice && notice->isVisible());
    QVERIFY(main.screen()->availableGeometry().contains(notice->frameGeometry()));
    for (QWidget *window :
        { &main, editor, static_cast<QWidget *>(&player), static_cast<QWidget *>(&animation) }) {
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTRY_VERIFY2(clippedLabels(window).isEmpty(),
            qPrintable(window->objectName() + u": "_s + clippedLabels(window).join(u", ")));
        // A time in brackets inside brackets reads badly: "(0.56 s (140 ticks))".
        const QRegularExpression nested(u"\\([^()]*\\("_s);
        for (const QLabel *label : window->findChildren<QLabel *>())
            QVERIFY2(!nested.match(label->text()).hasMatch(), qPrintable(label->text()));
    }
}

void tst_Language::checkFollowsTheLanguage_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<bool>("english");
    QTest::newRow("LANG=C") << u"C"_s << true;
    QTest::newRow("LANG=de_DE.UTF-8") << u"de_DE.UTF-8"_s << false;
}

// Scripts that read --check's output set LANG=C and get English.
void tst_Language::checkFollowsTheLanguage()
{
    QFETCH(QString, lang);
    QFETCH(bool, english);
#ifdef Q_OS_WIN
    QSKIP("Windows takes the language from its own settings, not from LANG.");
#endif
    const QString script = m_settings.filePath(u"a.cfg"_s);
    QFile file(script);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("set name ^1A\r\n");
    file.close();
    QProcess tintmark;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *variable : { "LANGUAGE", "LC_ALL", "LC_MESSAGES" })
        environment.remove(QLatin1String(variable));
    environment.insert(u"LANG"_s, lang);
    // None of the developer's settings: no language picked.
    for (const char *folder : { "HOME", "XDG_CONFIG_HOME" })
        environment.insert(QLatin1String(folder), m_settings.filePath(u"home"_s));
    tintmark.setProcessEnvironment(environment);
    tintmark.start(QStringLiteral(TINTMARK), { u"--check"_s, script });
    QVERIFY(tintmark.waitForFinished(20000));
    const QString out = QString::fromUtf8(tintmark.readAllStandardOutput());
    QCOMPARE(out.contains(u"No warnings: the script runs as written."_s), english);
}

QTEST_MAIN(tst_Language)
#include "tst_language.moc"
