#include "cfgfiledialog.h"
#include "commandline.h"
#include "messageboxreporter.h"
#include "tintmarkprogram.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Without options, as players start it, it opens its window at once.
    if (argc > 1) {
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
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
