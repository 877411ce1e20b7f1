#ifndef SCRIPTEDITORHANDOFF_H
#define SCRIPTEDITORHANDOFF_H

#include <QObject>
#include <QPointer>

class ScriptOpener;
class ScriptSaver;
class frmEditor;
class frmNameScript;

// Hands the main window's command to the one script editor: creates the editor from the template
// when none is open, appends the command and shows it beside the main window. The editor goes
// away with this object, so it ends with the program.
class ScriptEditorHandOff : public QObject {
    Q_OBJECT

public:
    ScriptEditorHandOff(frmNameScript &mainWindow, ScriptSaver &saver, ScriptOpener &opener);
    ~ScriptEditorHandOff() override;

private slots:
    void handOff(const QString &command);

private:
    ScriptSaver &m_saver;
    ScriptOpener &m_opener;
    QPointer<frmEditor> m_editor; // null once the player closes the editor
};

#endif // SCRIPTEDITORHANDOFF_H
