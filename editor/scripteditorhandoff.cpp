#include "scripteditorhandoff.h"

#include "frmeditor.h"
#include "frmnamescript.h"

ScriptEditorHandOff::ScriptEditorHandOff(
    frmNameScript &mainWindow, ScriptSaver &saver, ScriptOpener &opener)
    : m_saver(saver)
    , m_opener(opener)
{
    connect(
        &mainWindow, &frmNameScript::scriptEditorRequested, this, &ScriptEditorHandOff::handOff);
}

ScriptEditorHandOff::~ScriptEditorHandOff() { delete m_editor; }

void ScriptEditorHandOff::handOff(const QString &command)
{
    // No owner window: both windows stay usable, and the editor gets a taskbar entry of its own.
    if (!m_editor)
        m_editor = new frmEditor(m_saver, m_opener);
    m_editor->appendCommand(command);
    // The player asked for the editor: bring it forward even when it was already open.
    m_editor->show();
    m_editor->raise();
    m_editor->activateWindow();
}
