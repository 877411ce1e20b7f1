#include "tintmarkprogram.h"

#include "fixedlayout.h"

#include <QApplication>
#include <QIcon>

TintmarkProgram::TintmarkProgram(SaveFileChooser &chooser, SaveFailureReporter &reporter)
    : m_saver(chooser, reporter)
    , m_mainWindow(m_saver)
    , m_editorHandOff(m_mainWindow, m_saver)
{
}

void TintmarkProgram::setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Tintmark"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    // Some widgets lay out text in the application font before they take their window's font;
    // one font for both spares loading a second family at start-up.
    QApplication::setFont(fixedLayoutFont());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tintmark.ico")));
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("tintmark"));
}
