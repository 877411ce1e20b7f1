// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/cfgfiledialog.h"
#include "commandline.h"
#include "consolestart.h"
#include "endrequests.h"
#include "games/installedgames.h"
#include "translations/language.h"
#include "tintmarkprogram.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    TintmarkProgram::setUpIdentity();
    // Without options, as players start it, it opens its window at once.
    QStringList arguments;
    if (argc > 1) {
        arguments = commandLineArguments(argc, argv);
        QString outText;
        QString errorText;
        std::optional<int> status;
        {
            // --check and --help speak the player's language too, without a window.
            int coreArgc = 1;
            QCoreApplication core(coreArgc, argv);
            Language::install();
            QTextStream out(&outText);
            QTextStream err(&errorText);
            status = CommandLine::run(arguments, out, err);
        }
        writeStandard(StandardStream::Output, outText);
        writeStandard(StandardStream::Error, errorText);
        if (status)
            return *status;
    }

    // QApplication takes Qt's own options (-platform and the like) out of argv.
    QApplication app(argc, argv);
    Language::install();
    TintmarkProgram::setUpApplication();

    InstalledGames games;
    CfgFileDialog dialogs(games);
    TintmarkProgram program(dialogs, games);
    // Ended from outside, the program closes as the player would close it, the unsaved script
    // copied first.
    EndRequests endRequests;
    QObject::connect(
        &endRequests, &EndRequests::endRequested, &app, [&program] { program.endInOrder(); });
    // What is left is the script to open, as "Open with" passes it; its name comes whole from
    // the wide command line on Windows.
    program.start(argc > 1 ? arguments.constLast() : QString());
    return app.exec();
}
