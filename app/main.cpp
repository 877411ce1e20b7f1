#include "cfgfiledialog.h"
#include "commandline.h"
#include "consolestart.h"
#include "messageboxreporter.h"
#include "tintmarkprogram.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // Without options, as players start it, it opens its window at once.
    if (argc > 1) {
        QString outText;
        QString errorText;
        QTextStream out(&outText);
        QTextStream err(&errorText);
        const std::optional<int> status
            = runCommandLine(commandLineArguments(argc, argv), out, err);
        out.flush();
        err.flush();
        writeStandard(StandardStream::Output, outText);
        writeStandard(StandardStream::Error, errorText);
        if (status)
            return *status;
    }

    QApplication app(argc, argv);
    TintmarkProgram::setUpApplication();

    CfgFileDialog fileDialogs;
    MessageBoxReporter failureReporter;
    TintmarkProgram program(fileDialogs, fileDialogs, failureReporter);
    program.mainWindow().show();
    return app.exec();
}
