#include "cfgfiledialog.h"
#include "messageboxreporter.h"
#include "tintmarkprogram.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TintmarkProgram::setUpApplication();

    CfgFileDialog saveDialog;
    MessageBoxReporter failureReporter;
    TintmarkProgram program(saveDialog, failureReporter);
    program.mainWindow().show();
    return app.exec();
}
