#include "cfgfiledialog.h"
#include "fixedlayout.h"
#include "frmnamescript.h"
#include "messageboxreporter.h"
#include "scripteditorhandoff.h"
#include "scriptsaver.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tintmark"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    // Some widgets lay out text in the application font before they take their window's font;
    // one font for both spares loading a second family at start-up.
    QApplication::setFont(fixedLayoutFont());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tintmark.ico")));
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("tintmark"));

    CfgFileDialog saveDialog;
    MessageBoxReporter failureReporter;
    ScriptSaver saver(saveDialog, failureReporter);

    frmNameScript window(saver);
    ScriptEditorHandOff editorHandOff(window, saver);
    window.show();
    return app.exec();
}
