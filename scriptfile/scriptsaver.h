#ifndef SCRIPTSAVER_H
#define SCRIPTSAVER_H

#include "cfgwriter.h"

#include <QCoreApplication>

class QWidget;
class FailureReporter;
class SaveFileChooser;

// The one save operation of both windows: ask where the script goes, then write the window's
// text there. Cancel ends it quietly; any other failure is reported with the file and the reason.
class ScriptSaver {
    Q_DECLARE_TR_FUNCTIONS(ScriptSaver)

public:
    ScriptSaver(SaveFileChooser &chooser, FailureReporter &reporter);

    // takeText is asked for the text only once the file is open. True when the script was saved.
    bool save(QWidget *window, const CfgWriter::TextSource &takeText);

private:
    SaveFileChooser &m_chooser;
    FailureReporter &m_reporter;
};

#endif // SCRIPTSAVER_H
