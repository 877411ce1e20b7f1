// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tintmarkprogram.h"

#include "fixedlayout.h"

#include <QApplication>
#include <QIcon>
#include <QSettings>

TintmarkProgram::TintmarkProgram(SaveFileChooser &saveChooser, OpenFileChooser &openChooser,
    FailureReporter &reporter, InstalledGames &games)
    : m_saver(saveChooser, reporter, games)
    , m_opener(openChooser, reporter)
    , m_mainWindow(m_saver)
    , m_editorHandOff(m_mainWindow, m_saver, m_opener)
{
}

void TintmarkProgram::setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Tintmark"));
    QApplication::setApplicationVersion(QStringLiteral(TINTMARK_VERSION));
    // The few settings (the last folder, the recent scripts) go to a file of their own, on
    // Windows too, where the portable program leaves the registry alone.
    QApplication::setOrganizationName(QStringLiteral("Tintmark"));
    QSettings::setDefaultFormat(QSettings::IniFormat);
    // Some widgets lay out text in the application font before they take their window's font;
    // one font for both spares loading a second family at start-up.
    QApplication::setFont(fixedLayoutFont());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tintmark.ico")));
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tintmark.Tintmark"));
}
