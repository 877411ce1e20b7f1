// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmeditor.h"

#include "cfgfile/filetext.h"
#include "cfgfile/recoverycopy.h"
#include "console/consolerules.h"
#include "console/setnameline.h"
#include "numberedtextedit.h"
#include "player/animationdialog.h"
#include "player/scriptplayerwindow.h"
#include "scripttemplate.h"
#include "widgets/besideplacement.h"
#include "widgets/editionmenu.h"
#include "widgets/fixedlayout.h"
#include "widgets/gamecolors.h"
#include "widgets/gameedition.h"
#include "widgets/helpmenu.h"
#include "widgets/languagemenu.h"
#include "widgets/namepreview.h"
#include "widgets/recentscripts.h"
#include "widgets/screenfit.h"
#include "widgets/scriptopener.h"
#include "widgets/scriptsaver.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextOption>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {

// How long typing must pause before the player window takes the text again.
constexpr int typingPause = 400; // milliseconds
constexpr int recoveryPause = 3000; // milliseconds

// toPlainText() would also make every no-break space a plain space, so the script would not hold
// what the player typed. Only the document's own separators become line breaks.
QString withLineBreaks(QString text)
{
    for (QChar &c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    }
    return text;
}

} // namespace

frmEditor::frmEditor(ScriptSaver &saver, ScriptOpener &opener, RecoveryCopy &recovery,
    GameColors &colors, GameLetters &letters, QWidget *parent)
    : QWidget(parent)
    , m_saver(saver)
    , m_opener(opener)
    , m_recovery(recovery)
    , m_colors(colors)
    , m_letters(letters)
{
    setObjectName(QStringLiteral("frmEditor"));
    // The window's own face stays as it is in every language: its caption, its button and its
    // help line.
    setWindowTitle(QStringLiteral("Tintmark Editor"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(fixedLayoutFont());
    keepFromMaximizing(this);
    // Every command in a menu bar above the layout, which keeps its size; below it, the file.
    const auto [menuBar, client] = addMenuBarAbove(this, rectFromTwips(0, 0, 8625, 5025).size());
    createControls(client);
    createActions();
    createMenus(menuBar);
    m_fileState = new QLabel(this);
    m_fileState->setObjectName(QStringLiteral("fileState"));
    m_fileState->setContentsMargins(8, 2, 8, 4);
    // The layout keeps its width: a long name is shortened, the whole path in the tooltip.
    m_fileState->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    layout()->addWidget(m_fileState);
    connect(txtEditor->document(), &QTextDocument::modificationChanged, this,
        &frmEditor::showFileState);
    showFileState();

    m_typingPause.setSingleShot(true);
    m_typingPause.setInterval(typingPause);
    connect(txtEditor->document(), &QTextDocument::contentsChanged, this, [this] {
        if (m_player)
            m_typingPause.start();
    });
    connect(&m_typingPause, &QTimer::timeout, this, &frmEditor::updatePlayer);

    // Unsaved changes are copied a moment after the typing pauses; the copy goes once they are
    // saved or let go.
    m_recoveryPause.setSingleShot(true);
    m_recoveryPause.setInterval(recoveryPause);
    connect(txtEditor->document(), &QTextDocument::contentsChanged, this, [this] {
        if (txtEditor->document()->isModified())
            m_recoveryPause.start();
    });
    connect(&m_recoveryPause, &QTimer::timeout, this, &frmEditor::keepRecoveryCopyNow);
    connect(&m_saver.edition(), &GameEdition::changed, this, [this] {
        setScriptPath(m_scriptPath);
        updatePlayer();
    });
    connect(txtEditor->document(), &QTextDocument::modificationChanged, this, [this](bool changed) {
        if (!changed) {
            m_recoveryPause.stop();
            m_recovery.remove();
        }
    });
}

void frmEditor::keepRecoveryCopyNow()
{
    m_recoveryPause.stop();
    if (txtEditor->document()->isModified())
        m_recovery.write(scriptText());
}

void frmEditor::recover(const QString &text)
{
    QTextCursor all(txtEditor->document());
    all.select(QTextCursor::Document);
    all.insertText(text);
    txtEditor->moveCursor(QTextCursor::Start);
    m_lastLineBreakShown = false;
    txtEditor->document()->setModified(true);
    keepRecoveryCopyNow();
    updatePlayer();
}

void frmEditor::createControls(QWidget *client)
{
    txtEditor = new NumberedTextEdit(client);
    txtEditor->setObjectName(QStringLiteral("txtEditor"));
    txtEditor->setGeometry(rectFromTwips(120, 120, 8295, 4335));
    // Long lines wrap on screen only; the script breaks lines where it holds a line break.
    txtEditor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtEditor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtEditor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab moves on to Save, as in any form; scripts need no tab characters.
    txtEditor->setTabChangesFocus(true);
    // A wrapped line counts its trailing spaces in its width, as the last line does. Otherwise a
    // line ending in a space, as a hand-off with an empty name does, gets narrower when it wraps,
    // and Qt then measures every line of the script anew: on a script of megabytes, a pause and
    // a layout object for every line.
    QTextOption textOption = txtEditor->document()->defaultTextOption();
    textOption.setFlags(textOption.flags() | QTextOption::IncludeTrailingSpaces);
    txtEditor->document()->setDefaultTextOption(textOption);
    txtEditor->setPlainText(scriptTemplate());
    txtEditor->setAccessibleName(tr("Script"));
    txtEditor->viewport()->installEventFilter(this);
    txtEditor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(
        txtEditor, &QPlainTextEdit::customContextMenuRequested, this, &frmEditor::showContextMenu);

    cmdSave = new QPushButton(QStringLiteral("&Save"), client);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdSave->setGeometry(rectFromTwips(6960, 4560, 1455, 375));
    cmdSave->setAutoDefault(false);
    connect(cmdSave, &QPushButton::clicked, this, &frmEditor::cmdSave_Click);

    Label1 = new QLabel(QStringLiteral("This is where you can you add Animation to your script CFG "
                                       "file. Then you can save it by hitting the save button."),
        client);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(rectFromTwips(120, 4560, 6735, 375));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(true);
    fitFontsOnFirstPaint(this, { { Label1 } });
}

void frmEditor::createActions()
{
    // Shared by the menu bar and the context menu.
    m_openAction = new QAction(tr("&Open Script..."), this);
    m_openAction->setObjectName(QStringLiteral("openAction"));
    m_openAction->setShortcut(QKeySequence::Open);
    connect(m_openAction, &QAction::triggered, this, [this] { openScript(); });
    m_playAction = new QAction(tr("&Play and Check..."), this);
    m_playAction->setShortcut(Qt::Key_F5);
    connect(m_playAction, &QAction::triggered, this, &frmEditor::playScript);
    m_animationAction = new QAction(tr("&Insert Animation..."), this);
    m_animationAction->setShortcut(Qt::CTRL | Qt::Key_I);
    connect(m_animationAction, &QAction::triggered, this, &frmEditor::insertAnimation);
    // The Save button asks where, as Save As does; Ctrl+S saves again where the script came from.
    m_saveAction = new QAction(tr("&Save"), this);
    m_saveAction->setObjectName(QStringLiteral("saveAction"));
    m_saveAction->setShortcut(QKeySequence::Save);
    connect(m_saveAction, &QAction::triggered, this, [this] { saveScript(true); });
    m_saveAsAction = new QAction(tr("Save &As..."), this);
    m_saveAsAction->setObjectName(QStringLiteral("saveAsAction"));
    m_saveAsAction->setShortcut(QKeySequence::SaveAs);
    connect(m_saveAsAction, &QAction::triggered, this, [this] { saveScript(); });
    for (QAction *action :
        { m_openAction, m_saveAction, m_saveAsAction, m_playAction, m_animationAction }) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
}

void frmEditor::createMenus(QMenuBar *menuBar)
{
    // Access letters apart from the layout's Alt+S.
    QMenu *file = menuBar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    file->addAction(m_openAction);
    RecentScripts::addMenu(file, [this](const QString &path) { openScript(path); });
    file->addAction(m_saveAction);
    file->addAction(m_saveAsAction);
    file->addSeparator();
    LanguageMenu::addTo(file, this);
    EditionMenu::addTo(file, m_saver.edition());
    file->addSeparator();
    QAction *close = file->addAction(tr("&Close"), this, &QWidget::close);
    close->setShortcut(QKeySequence::Close);
    close->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(close);
    QMenu *script = menuBar->addMenu(tr("Scri&pt"));
    script->setObjectName(QStringLiteral("scriptMenu"));
    script->addAction(m_playAction);
    script->addAction(m_animationAction);
    HelpMenu::addTo(menuBar, this, m_saver.edition(), m_colors, [this] { return m_scriptPath; });
}

void frmEditor::showFileState()
{
    const bool changed = txtEditor->document()->isModified();
    if (m_scriptPath.isEmpty()) {
        m_fileState->setText(changed ? tr("New script, not saved yet") : tr("New script"));
        m_fileState->setToolTip(QString());
        return;
    }
    const QFileInfo file(m_scriptPath);
    const QString text
        = changed ? tr("%1 - unsaved changes").arg(file.fileName()) : file.fileName();
    m_fileState->setText(m_fileState->fontMetrics().elidedText(
        text, Qt::ElideMiddle, width() - m_fileState->contentsMargins().left() * 2));
    m_fileState->setToolTip(QDir::toNativeSeparators(file.absoluteFilePath()));
}

void frmEditor::appendCommand(const SetNameLine &line)
{
    m_lastHandedOffName = line.name;
    // A cursor of its own inserts at the end without resetting the document, so the player's
    // undo history survives and the cost follows the command, not the size of the script. The
    // edit block keeps the command from merging with the player's typing into one undo step.
    QTextDocument *document = txtEditor->document();
    QTextCursor end(document);
    end.movePosition(QTextCursor::End);
    // Each command on a line of its own: on the line before, the game would take it as part of
    // the name that line sets.
    const bool endsLine = document->isEmpty()
        || document->characterAt(document->characterCount() - 2) == QChar::ParagraphSeparator;
    end.beginEditBlock();
    end.insertText((endsLine ? u" "_s : u"\n "_s) + line.line);
    end.endEditBlock();
    txtEditor->setTextCursor(end);
    txtEditor->ensureCursorVisible();
}

bool frmEditor::isDroppedScript(const QEvent *event) const
{
    const QMimeData *data = static_cast<const QDropEvent *>(event)->mimeData();
    return data->hasUrls() && data->urls().size() == 1 && data->urls().first().isLocalFile();
}

bool frmEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_player) {
        // Once the window manager has framed the player, its own frame counts: placed again if
        // it is not the editor's.
        const QEvent::Type type = event->type();
        if ((type == QEvent::Move || type == QEvent::Resize || type == QEvent::WindowActivate)
            && playerIsFramed()) {
            m_player->removeEventFilter(this);
            if (frameMarginsOf(m_player) != m_playerFrame)
                placePlayerBeside();
        }
        return false;
    }
    if (watched != txtEditor->viewport())
        return QWidget::eventFilter(watched, event);

    // A file dropped on the script is opened, not pasted as a link.
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
        if (!isDroppedScript(event))
            return false;
        static_cast<QDropEvent *>(event)->acceptProposedAction();
        return true;
    case QEvent::Drop:
        if (!isDroppedScript(event))
            return false;
        static_cast<QDropEvent *>(event)->acceptProposedAction();
        openScript(static_cast<QDropEvent *>(event)->mimeData()->urls().first().toLocalFile());
        return true;
    case QEvent::ToolTip:
        break;
    default:
        return false;
    }

    const auto *help = static_cast<QHelpEvent *>(event);
    const QString line = txtEditor->cursorForPosition(help->pos()).block().text();
    if (const std::optional<QString> name = SetNameLine::nameSetBy(line))
        QToolTip::showText(help->globalPos(),
            NamePreview::html(
                NamePreview::judge(*name, m_saver.edition()), m_colors.palette(), {}, &m_letters),
            txtEditor->viewport());
    else
        QToolTip::hideText();
    return true;
}

QString frmEditor::scriptText() const
{
    QString text = withLineBreaks(txtEditor->document()->toRawText());
    if (m_lastLineBreakShown && text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

QString frmEditor::gameText() const
{
    // Every character of the editor takes at least a byte of the file: this many characters are
    // more than any of the games runs, and the rest of a script of megabytes need not be copied.
    const qsizetype characters = std::min<qsizetype>(
        ConsoleRules::largestBufferBytes, txtEditor->document()->characterCount() - 1);
    QTextCursor read(txtEditor->document());
    read.setPosition(int(characters), QTextCursor::KeepAnchor);
    QString text = withLineBreaks(read.selectedText());
    if (m_lastLineBreakShown && read.atEnd() && text.endsWith(u'\n'))
        text.chop(1);
    return fileTextOf(text);
}

void frmEditor::updatePlayer()
{
    m_typingPause.stop();
    if (!m_player)
        return;
    m_player->setScriptFolder(
        m_scriptPath.isEmpty() ? QString() : QFileInfo(m_scriptPath).absolutePath(),
        m_scriptCodePage);
    m_player->setScript(gameText());
}

void frmEditor::setScriptPath(const QString &path)
{
    m_scriptPath = path;
    if (!path.isEmpty())
        m_scriptCodePage = m_saver.edition().placeOf(path).codePage();
}

void frmEditor::markUnchanged() { txtEditor->document()->setModified(false); }

void frmEditor::cmdSave_Click() { saveScript(); }

bool frmEditor::saveScript(bool toTheSameFile)
{
    const CfgWriter::TextSource text = [this] { return scriptText(); };
    const QString path = !toTheSameFile || m_scriptPath.isEmpty()
        ? m_saver.save(this, text)
        : m_saver.saveTo(this, m_scriptPath, text);
    if (path.isEmpty())
        return false;
    setScriptPath(path);
    markUnchanged();
    showFileState();
    // The scripts its exec runs are now those beside it.
    updatePlayer();
    return true;
}

bool frmEditor::settleChanges()
{
    if (!txtEditor->document()->isModified())
        return true;
    switch (m_opener.askToSaveChanges(this, m_scriptPath)) {
    case PlayerDialogs::ChangesAnswer::Save:
        return saveScript(true);
    case PlayerDialogs::ChangesAnswer::Discard:
        return true;
    case PlayerDialogs::ChangesAnswer::Cancel:
        break;
    }
    return false;
}

void frmEditor::closeEvent(QCloseEvent *event)
{
    if (settleChanges()) {
        // Saved or let go: nothing is left to recover.
        m_recoveryPause.stop();
        m_recovery.remove();
        event->accept();
    } else {
        event->ignore();
    }
}

void frmEditor::showContextMenu(const QPoint &position)
{
    QMenu *menu = txtEditor->createStandardContextMenu(position);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    // The menu bar's commands, but for Close and Help.
    for (QMenu *fromBar :
        findChild<QMenuBar *>()->findChildren<QMenu *>(Qt::FindDirectChildrenOnly)) {
        if (fromBar->objectName() == u"helpMenu")
            continue;
        for (QAction *action : fromBar->actions()) {
            if (action->shortcut() != QKeySequence(QKeySequence::Close))
                menu->addAction(action);
        }
    }
    menu->popup(txtEditor->viewport()->mapToGlobal(position));
}

void frmEditor::openScript(const QString &path)
{
    const std::optional<OpenedScript> opened
        = m_opener.open(this, txtEditor->document()->isModified(), path);
    if (!opened)
        return;
    QTextCursor all(txtEditor->document());
    all.select(QTextCursor::Document);
    // The file's last line break shows as a last, empty line: typing after Ctrl+End starts a
    // line of its own, as in any editor.
    all.insertText(opened->endsWithLineBreak ? opened->text + u'\n' : opened->text);
    m_lastLineBreakShown = opened->endsWithLineBreak;
    txtEditor->moveCursor(QTextCursor::Start);
    setScriptPath(opened->path);
    // Read as UTF-8, the text is not yet what the file holds.
    if (!opened->readAsUtf8)
        markUnchanged();
    showFileState();
    RecentScripts::add(opened->path);
    // Opening is not typing: the player window plays the script at once.
    updatePlayer();
}

void frmEditor::playScript()
{
    if (!m_player) {
        // A child window: it closes with the editor, whose script it plays.
        m_player = new ScriptPlayerWindow(m_colors, m_letters, this);
        m_player->setWindowFlag(Qt::Window);
        m_player->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_player, &ScriptPlayerWindow::lineActivated, this, &frmEditor::goToLine);
        connect(m_player, &ScriptPlayerWindow::splitRequested, this, &frmEditor::splitLine);
        m_player->setFramesPerSecond(m_saver.installedGames().maxFpsInConfigs());
        // Placed with the script in it, at the size its content takes.
        updatePlayer();
        placePlayerBeside();
        m_player->installEventFilter(this);
    }
    updatePlayer();
    m_player->show();
    m_player->raise();
    m_player->activateWindow();
    m_player->restart();
    m_player->play();
}

bool frmEditor::playerIsFramed() const
{
    // A window manager that frames the editor frames the player too, once it is shown.
    return m_player->isVisible()
        && (!frameMarginsOf(m_player).isNull() || frameMarginsOf(this).isNull());
}

void frmEditor::placePlayerBeside()
{
    // Beside the editor, else clear of its text: the player shows the script's lines and the
    // editor's text must stay in view to follow them. Before the player is framed, the editor's
    // frame stands for its own.
    m_playerFrame = playerIsFramed() ? frameMarginsOf(m_player) : frameMarginsOf(this);
    m_player->ensurePolished();
    QLayout *layout = m_player->layout();
    layout->activate();
    BesidePlacement placement;
    placement.screen = screen()->availableGeometry();
    placement.beside = frameGeometry();
    placement.keepClear = QRect(txtEditor->mapToGlobal(QPoint()), txtEditor->size());
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowType() == Qt::Window && window != this
            && window != m_player)
            placement.mayCover << window->frameGeometry();
    }
    placement.frame = m_playerFrame;
    placement.wanted = m_player->size();
    placement.minimumWidth = m_player->minimumSizeHint().width();
    placement.minimumHeightAt = [layout](int width) {
        return std::max(
            layout->totalMinimumHeightForWidth(width), layout->totalMinimumSize().height());
    };
    const QRect placed = placement.place();
    const QSize client = placed.size().shrunkBy(m_playerFrame);
    if (m_player->isVisible()) {
        // Framed: the client area goes where the frame leaves it, as window managers place
        // a moved frame each their own way.
        m_player->setGeometry(
            QRect(placed.topLeft() + QPoint(m_playerFrame.left(), m_playerFrame.top()), client));
    } else {
        m_player->resize(client);
        m_player->move(placed.topLeft());
    }
}

void frmEditor::insertAnimation()
{
    // Made when asked for, so that it costs nothing before.
    auto *dialog = new AnimationDialog(m_lastHandedOffName, m_colors, m_letters, this);
    dialog->setFramesPerSecond(m_saver.installedGames().maxFpsInConfigs());
    dialog->setKeysBoundInTheGame(m_saver.installedGames().bindingsInConfigs());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        // The animation's lines go in as one undo step, on lines of their own: on an empty
        // line where the caret stands, else from the start of the line after the caret's.
        QTextCursor cursor = txtEditor->textCursor();
        cursor.clearSelection();
        QString lines = dialog->script();
        if (cursor.block().text().isEmpty()) {
            cursor.movePosition(QTextCursor::StartOfBlock);
            if (cursor.block().next().isValid())
                lines.append(u'\n');
        } else {
            cursor.movePosition(QTextCursor::EndOfBlock);
            lines.prepend(u'\n');
        }
        cursor.beginEditBlock();
        cursor.insertText(lines);
        cursor.endEditBlock();
        txtEditor->setTextCursor(cursor);
    });
    dialog->open();
}

void frmEditor::goToLine(int line)
{
    const QTextBlock block = txtEditor->document()->findBlockByNumber(line - 1);
    if (!block.isValid())
        return;
    txtEditor->setTextCursor(QTextCursor(block));
    txtEditor->ensureCursorVisible();
    activateWindow();
    txtEditor->setFocus();
}

void frmEditor::splitLine(int line, int column)
{
    // The warning may be older than the last keystrokes: split only where a command starts a
    // word, after blanks or right after a closing quote (a paste that lost its line break).
    const QTextBlock block = txtEditor->document()->findBlockByNumber(line - 1);
    const QString text = block.text();
    if (!block.isValid() || column <= 0 || column >= text.size() || text[column].isSpace()
        || !(text[column - 1].isSpace() || text[column - 1] == u'"'))
        return;
    // The blanks before the second command give way to the line break.
    int start = column;
    while (start > 0 && text[start - 1].isSpace())
        --start;
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + start);
    cursor.setPosition(block.position() + column, QTextCursor::KeepAnchor);
    cursor.insertText(u"\n"_s);
    txtEditor->setTextCursor(cursor);
    if (m_player) {
        m_typingPause.stop();
        m_player->setScript(fileTextOf(scriptText()));
    }
}
