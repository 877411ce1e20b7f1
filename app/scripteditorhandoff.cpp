// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scripteditorhandoff.h"

#include "composer/frmnamescript.h"
#include "editor/frmeditor.h"
#include "sessionend.h"
#include "widgets/playerdialogs.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QSessionManager>

ScriptEditorHandOff::ScriptEditorHandOff(frmNameScript &mainWindow, ScriptSaver &saver,
    ScriptOpener &opener, GameColors &colors, GameLetters &letters, const QString &recoveryFolder)
    : m_saver(saver)
    , m_opener(opener)
    , m_colors(colors)
    , m_letters(letters)
    , m_mainWindow(mainWindow)
    , m_recovery(recoveryFolder)
{
    connect(
        &mainWindow, &frmNameScript::scriptEditorRequested, this, &ScriptEditorHandOff::handOff);
    connect(
        &mainWindow, &frmNameScript::openScriptRequested, this, &ScriptEditorHandOff::openInEditor);
    mainWindow.installEventFilter(this);
#if QT_CONFIG(sessionmanager)
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
        &ScriptEditorHandOff::answerSessionManager);
#endif
}

ScriptEditorHandOff::~ScriptEditorHandOff() { delete m_editor; }

frmEditor *ScriptEditorHandOff::editor()
{
    // No owner window: both windows stay usable, and the editor gets a taskbar entry of its own.
    if (!m_editor)
        m_editor = new frmEditor(m_saver, m_opener, m_recovery, m_colors, m_letters);
    return m_editor;
}

void ScriptEditorHandOff::handOff(const SetNameLine &line)
{
    const bool made = !m_editor;
    editor()->appendCommand(line);
    // The template with the first command is where the player starts: nothing to save yet.
    if (made)
        m_editor->markUnchanged();
    // The player asked for the editor: bring it forward even when it was already open.
    m_editor->show();
    m_editor->raise();
    m_editor->activateWindow();
}

void ScriptEditorHandOff::offerRecoveredScripts(PlayerDialogs &dialogs)
{
    for (const RecoveryCopy::Left &copy : m_recovery.leftBehind()) {
        if (!dialogs.confirmRecovering(&m_mainWindow, copy.written)) {
            RecoveryCopy::discard(copy);
            continue;
        }
        editor()->show();
        m_editor->recover(copy.text);
        // The editor keeps a copy of its own now.
        RecoveryCopy::discard(copy);
        m_editor->raise();
        m_editor->activateWindow();
        return;
    }
}

void ScriptEditorHandOff::endInOrder()
{
    if (m_editor)
        m_editor->keepRecoveryCopyNow();
    // Asked again while the close question is open, the program ends: the copy is kept.
    if (m_ending) {
        QCoreApplication::exit(1);
        return;
    }
    m_ending = true;
    m_mainWindow.close();
    m_ending = false;
}

void ScriptEditorHandOff::openInEditor(const QString &path)
{
    editor()->show();
    m_editor->openScript(path);
    m_editor->raise();
    m_editor->activateWindow();
}

bool ScriptEditorHandOff::eventFilter(QObject *watched, QEvent *event)
{
    // The main window ends the program: the editor's changes are settled first, and the player
    // may keep both windows open instead.
    if (event->type() == QEvent::Close && m_editor && !m_editor->close()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void ScriptEditorHandOff::settleBeforeSessionEnds(SessionEnd &end)
{
    // Without a chance to ask, the session may end the program at any moment: the copy is made
    // now, not when typing pauses.
    if (m_editor)
        m_editor->keepRecoveryCopyNow();
    if (m_editor && end.allowsInteraction()) {
        if (!m_editor->settleChanges())
            end.cancel();
        end.release();
    }
}

void ScriptEditorHandOff::answerSessionManager(QSessionManager &manager)
{
#if QT_CONFIG(sessionmanager)
    class Manager : public SessionEnd {
    public:
        explicit Manager(QSessionManager &manager)
            : m_manager(manager)
        {
        }
        bool allowsInteraction() override { return m_manager.allowsInteraction(); }
        void cancel() override { m_manager.cancel(); }
        void release() override { m_manager.release(); }

    private:
        QSessionManager &m_manager;
    } end(manager);
    settleBeforeSessionEnds(end);
#else
    Q_UNUSED(manager);
#endif
}
