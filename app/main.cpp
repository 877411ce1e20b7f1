#include "cfgfiledialog.h"
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
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tintmark.ico")));

    CfgFileDialog saveDialog;
    MessageBoxReporter failureReporter;
    ScriptSaver saver(saveDialog, failureReporter);

    frmNameScript window(saver);
    ScriptEditorHandOff editorHandOff(window, saver);
    window.show();
    return app.exec();
}
