// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tintmarkprogram.h"

#include "widgets/fixedlayout.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSettings>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// The icon from its raw pixels, which need no image reader: reading an image file at start-up
// brings in Qt's image readers and plugins, half a megabyte of memory.
QIcon windowIcon()
{
    QIcon icon;
    for (const int size : { 16, 32 }) {
        QFile file(u":/tintmark-%1.rgba"_s.arg(size));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray pixels = file.readAll();
        if (pixels.size() != size * size * 4)
            continue;
        const QImage image(reinterpret_cast<const uchar *>(pixels.constData()), size, size,
            QImage::Format_RGBA8888);
        icon.addPixmap(QPixmap::fromImage(image.copy()));
    }
    return icon;
}

} // namespace

TintmarkProgram::TintmarkProgram(
    PlayerDialogs &dialogs, InstalledGames &games, const QString &recoveryFolder)
    : m_dialogs(dialogs)
    , m_edition(games)
    , m_letters(m_edition)
    , m_saver(dialogs, m_edition)
    , m_opener(dialogs, m_edition)
    , m_mainWindow(m_saver, m_colors, m_letters)
    , m_editorHandOff(m_mainWindow, m_saver, m_opener, m_colors, m_letters, recoveryFolder)
{
}

TintmarkProgram::~TintmarkProgram() = default;

void TintmarkProgram::start(const QString &script)
{
    m_mainWindow.show();
    // The game's font is read once the window is on screen, so that its archives never delay
    // the start.
    QTimer::singleShot(0, &m_letters, &GameLetters::start);
    offerRecoveredScripts();
    if (!script.isEmpty())
        openInEditor(script);
}

void TintmarkProgram::setUpIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("Tintmark"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TINTMARK_VERSION));
    // The few settings (the folders, the recent scripts, the language) go to a file of their own,
    // on Windows too, where the portable program leaves the registry alone.
    QCoreApplication::setOrganizationName(QStringLiteral("Tintmark"));
    QSettings::setDefaultFormat(QSettings::IniFormat);
}

void TintmarkProgram::setUpApplication()
{
    setUpIdentity();
    // Some widgets lay out text in the application font before they take their window's font;
    // one font for both spares loading a second family at start-up.
    QApplication::setFont(fixedLayoutFont());
    QApplication::setWindowIcon(windowIcon());
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tintmark.Tintmark"));
}
