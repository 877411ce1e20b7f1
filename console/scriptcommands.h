#ifndef SCRIPTCOMMANDS_H
#define SCRIPTCOMMANDS_H

#include <QList>
#include <QStringView>

// One console command of a script, as the console splits it: views into the script's text.
struct ScriptCommand {
    QStringView text; // as written, without separator or comment; cut to the command limit
    QList<QStringView> words; // split at spaces and tabs, quotes removed
    int line = 1; // where it stands, counting from 1
    int column = 0; // where it starts on its line, counting from 0
    bool cut = false; // it was longer than a command may be
};

// Splits text into commands at CR, LF and ';' outside double quotes; "//" outside quotes starts a
// comment to the end of the line. Empty commands are left out. Lines count from firstLine.
QList<ScriptCommand> splitCommands(QStringView text, int firstLine = 1);

#endif // SCRIPTCOMMANDS_H
