#ifndef TINTMARKPROGRAM_H
#define TINTMARKPROGRAM_H

#include "frmnamescript.h"
#include "scripteditorhandoff.h"
#include "scriptsaver.h"

class SaveFailureReporter;
class SaveFileChooser;

// The assembled program: the main window, the one save operation that both windows share and
// the hand-off to the script editor. main() makes it with the Save dialog and a message box;
// tests make it with their own chooser and reporter.
class TintmarkProgram {
public:
    TintmarkProgram(SaveFileChooser &chooser, SaveFailureReporter &reporter);

    frmNameScript &mainWindow() { return m_mainWindow; }

    // What belongs to the application as a whole: its name, version, font and icon.
    static void setUpApplication();

private:
    ScriptSaver m_saver;
    frmNameScript m_mainWindow;
    ScriptEditorHandOff m_editorHandOff;
};

#endif // TINTMARKPROGRAM_H
