#ifndef SCRIPTSAVER_H
#define SCRIPTSAVER_H

#include "cfgwriter.h"

#include <QCoreApplication>

class QWidget;
class SaveFailureReporter;
class SaveFileChooser;

// The one save operation of both windows: ask where the script goes, then write the window's
// text there. Cancel ends it quietly; any other failure is reported with the file and the reason.
class ScriptSaver {
    Q_DECLARE_TR_FUNCTIONS(ScriptSaver)

public:
    ScriptSaver(SaveFileChooser &chooser, SaveFailureReporter &reporter);

    // takeText is asked for the text only once the file is open.
    void save(QWidget *window, const CfgWriter::TextSource &takeText);

private:
    SaveFileChooser &m_chooser;
    SaveFailureReporter &m_reporter;
};

#endif // SCRIPTSAVER_H
