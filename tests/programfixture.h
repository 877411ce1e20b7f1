// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PROGRAMFIXTURE_H
#define PROGRAMFIXTURE_H

// The whole program under test, its main window shown, in a folder of its own that holds its
// games (none at first), its scripts and its recovery copies; its settings in a folder of their
// own. The tests of the two windows together derive from it, and call its set-up from their own
// slots.

#include "app/tintmarkprogram.h"
#include "fakedialogs.h"
#include "games/installedgames.h"
#include "treefile.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class ProgramFixture : public QObject {
protected:
    // From initTestCase().
    bool setUpSettings()
    {
        TintmarkProgram::setUpApplication();
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
        return m_settings.isValid();
    }
    // From init(): a new folder, and the program with its main window active.
    bool startProgram()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_dialogs = {};
        GameSearch search;
        search.home = m_dir->path();
        search.winePrefixes = { m_dir->filePath(QStringLiteral(".wine")) };
        m_games = std::make_unique<InstalledGames>(search);
        m_program = std::make_unique<TintmarkProgram>(m_dialogs, *m_games, recoveryFolder());
        m_mainWindow = &m_program->mainWindow();
        m_mainWindow->show();
        return m_dir->isValid() && QTest::qWaitForWindowActive(m_mainWindow);
    }
    // From cleanup(): the program ended, no window left behind. A tooltip hidden at the end goes
    // once the events are handled, on Windows later than its hiding.
    bool endProgram()
    {
        m_program.reset();
        return QTest::qWaitFor([] { return QApplication::topLevelWidgets().isEmpty(); }, 1000);
    }

    // The script editor on screen, or none.
    static QWidget *editor()
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        const auto found = std::find_if(windows.cbegin(), windows.cend(), [](QWidget *window) {
            return window->objectName() == u"frmEditor" && window->isVisible();
        });
        return found == windows.cend() ? nullptr : *found;
    }
    static QPlainTextEdit *script()
    {
        return editor()->findChild<QPlainTextEdit *>(QStringLiteral("txtEditor"));
    }
    // Types the name into the main window and presses its "CFG Editor" button; whether the
    // editor shows.
    bool handOff(const QString &name)
    {
        m_mainWindow->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(name);
        QTest::mouseClick(
            m_mainWindow->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
        return editor();
    }
    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir->filePath(name);
        return writeTreeFile(path, bytes) ? path : QString();
    }
    QString recoveryFolder() const { return m_dir->filePath(QStringLiteral("recovery")); }
    QStringList recoveryCopies() const
    {
        return QDir(recoveryFolder()).entryList({ QStringLiteral("*.recovery") }, QDir::Files);
    }

    QTemporaryDir m_settings;
    std::unique_ptr<QTemporaryDir> m_dir;
    FakeDialogs m_dialogs;
    std::unique_ptr<InstalledGames> m_games;
    std::unique_ptr<TintmarkProgram> m_program;
    QWidget *m_mainWindow = nullptr;
};

#endif // PROGRAMFIXTURE_H
