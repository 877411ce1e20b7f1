#include "cfgfiledialog.h"
#include "commandline.h"
#include "consolestart.h"
#include "messageboxreporter.h"
#include "tintmarkprogram.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Without options, as players start it, it opens its window at once.
    if (argc > 1) {
        const QStringList arguments = commandLineArguments(argc, argv);
        useParentConsole();
        QTextStream out(stdout);
        QTextStream err(stderr);
        if (const std::optional<int> status = runCommandLine(arguments, out, err))
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
