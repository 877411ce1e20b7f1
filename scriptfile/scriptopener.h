#ifndef SCRIPTOPENER_H
#define SCRIPTOPENER_H

#include <QCoreApplication>

#include <optional>

class QWidget;
class FailureReporter;
class OpenFileChooser;

// Opens a script for the editor: asks before changed text goes, asks which file, reads it.
// Cancel ends it quietly; a file that cannot be read is reported with the reason.
class ScriptOpener {
    Q_DECLARE_TR_FUNCTIONS(ScriptOpener)

public:
    ScriptOpener(OpenFileChooser &chooser, FailureReporter &reporter);

    // The script's text in the editor's form, or nothing when the player cancelled or the
    // file could not be read. hasChanges: the editor holds text the player changed. path: a
    // file the player dropped on the editor, or empty to ask which.
    std::optional<QString> open(QWidget *window, bool hasChanges, QString path = {});

private:
    OpenFileChooser &m_chooser;
    FailureReporter &m_reporter;
};

#endif // SCRIPTOPENER_H
