#ifndef CONSOLESTART_H
#define CONSOLESTART_H

#include <QStringList>

// What a start from a command line needs before any Qt application object exists.

// The arguments as the user typed them. On Windows they come from the wide command line: main()'s
// argv holds them in the ANSI code page, which loses the letters of a file name outside it.
QStringList commandLineArguments(int argc, char *argv[]);

// On Windows, where the program is a window program with no console of its own, sends standard
// output and error that lead nowhere to the console of the command line that started it, if
// any. Output redirected to a file or a pipe is left as it is. Elsewhere there is nothing to do.
void useParentConsole();

#endif // CONSOLESTART_H
