// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakedialogs.h"
#include "games/installedgames.h"
#include "installedletters.h"
#include "app/tintmarkprogram.h"

#include <QApplication>
#include <QIcon>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The assembled program: what belongs to the application as a whole.
class tst_TintmarkProgram : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void bothWindowsShowTheIcon();
    void readsTheGameFontOnceTheWindowShows();

private:
    QWidget *editor() const;
    void startWithTheEditor();

    QTemporaryDir m_dir; // the settings and the recovery copies
    FakeDialogs m_dialogs;
    InstalledGames m_games { GameSearch() }; // none
    std::unique_ptr<TintmarkProgram> m_program;
    QWidget *m_mainWindow = nullptr;
};

void tst_TintmarkProgram::initTestCase()
{
    TintmarkProgram::setUpApplication();
    QVERIFY(m_dir.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.filePath(u"settings"_s));
}

void tst_TintmarkProgram::cleanup()
{
    m_program.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QWidget *tst_TintmarkProgram::editor() const
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == u"frmEditor")
            return window;
    }
    return nullptr;
}

// Starts the program and opens the editor from the main window, as its "CFG Editor" button does.
void tst_TintmarkProgram::startWithTheEditor()
{
    m_program
        = std::make_unique<TintmarkProgram>(m_dialogs, m_games, m_dir.filePath(u"recovery"_s));
    m_mainWindow = &m_program->mainWindow();
    m_program->start();
    m_mainWindow->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    QVERIFY(editor());
}

// The stone of the program's icon, in the sizes of the icon file, on both windows.
void tst_TintmarkProgram::bothWindowsShowTheIcon()
{
    startWithTheEditor();
    for (const QWidget *window : { m_mainWindow, editor() }) {
        const QIcon icon = window->windowIcon();
        QCOMPARE(icon.availableSizes(), (QList<QSize> { { 16, 16 }, { 32, 32 } }));
        const QImage image = icon.pixmap(32, 32).toImage();
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(image.pixelColor(16, 16).alpha(), 255);
    }
}

// Reading the game's archives never delays the main window.
void tst_TintmarkProgram::readsTheGameFontOnceTheWindowShows()
{
    InstalledLetters installed(GameFiles::fontArchive());
    m_program = std::make_unique<TintmarkProgram>(
        m_dialogs, installed.games, m_dir.filePath(u"recovery"_s));
    QVERIFY(!m_program->letters().drawing());
    m_program->start();
    QVERIFY(!m_program->letters().drawing());
    QTRY_COMPARE(m_program->letters().note(), u"in COD 2's own letters"_s);
    QVERIFY(m_program->letters().drawing());
    m_program.reset();
}

QTEST_MAIN(tst_TintmarkProgram)
#include "tst_tintmarkprogram.moc"
