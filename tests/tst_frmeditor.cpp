// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/sessionend.h"
#include "app/tintmarkprogram.h"
#include "clippedlabels.h"
#include "editor/scripttemplate.h"
#include "fakedialogs.h"
#include "player/animationdialog.h"
#include "player/scriptplayerwindow.h"
#include "programfixture.h"
#include "templateliteral.h"
#include "translations/language.h"
#include "treefile.h"
#include "widgets/gameedition.h"
#include "widgets/recentscripts.h"
#include "writefaults.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <QTextBlock>
#include <QToolTip>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

// The session manager's request as the end of a desktop session makes it, recording the answer.
class FakeSessionEnd : public SessionEnd {
public:
    bool allowsInteraction() override { return interaction; }
    void cancel() override { cancelled = true; }
    void release() override { released = true; }

    bool interaction = true;
    bool cancelled = false;
    bool released = false;
};

// What a menu entry does, as the player sees it.
enum class Effect {
    Saves, // writes the script named, and no other
    EditorHolds, // the editor holds this text
    Shows, // a window of this object name or title shows
    Closes, // the window of this object name goes
    Copies, // the clipboard holds this text
    NameBecomes, // the main window's name box holds this name
    ChoosesLanguage, // kept for the next start, which marks it: a catalogue's code, "en" or none
    ChoosesEdition, // kept for the next start, which marks it: an edition's key or none
};

// The entry of a window's menu bar at path ("File > Open Recent > a.cfg"), each menu on the way
// made ready as opening it makes it; nullptr when there is none.
QAction *menuEntry(QWidget *window, const QString &path)
{
    QAction *entry = nullptr;
    for (const QString &text : path.split(u" > "_s)) {
        if (entry && !entry->menu())
            return nullptr;
        if (entry)
            emit entry->menu()->aboutToShow();
        const QList<QAction *> entries
            = entry ? entry->menu()->actions() : window->findChild<QMenuBar *>()->actions();
        const auto found = std::ranges::find_if(entries, [&text](const QAction *action) {
            return QString(action->text()).remove(u'&') == text;
        });
        if (found == entries.end())
            return nullptr;
        entry = *found;
    }
    return entry;
}

} // namespace

// The script editor, driven from the main window of the assembled program as the player uses it.
class tst_frmEditor : public ProgramFixture {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void windowLayout();
    void savedBytes_data();
    void savedBytes();
    void handOffAppendsAtTheEndWhateverTheCaret();
    void undoSurvivesAHandOff();
    void largeScriptGetsOnlyAnAppend();
    void enterTypesANewLineAndEscapeDoesNothing();
    void savesTheTextAsItIsOnceTheDialogCloses();
    void failedSaveWarnsAndKeepsTheText();
    void failedWriteKeepsTheOldScript();
    void closingAsksAboutChanges_data();
    void closingAsksAboutChanges();
    void ctrlSSavesWhereTheScriptLastWent_data();
    void ctrlSSavesWhereTheScriptLastWent();
    void menuEntriesDoTheirCommands_data();
    void menuEntriesDoTheirCommands();
    void playerRunsTheScriptsTheScriptExecs();
    void aScriptInAGamesFolderTakesThatGamesEdition();
    void opensAScriptThatSavesAgainByteForByte_data();
    void opensAScriptThatSavesAgainByteForByte();
    void asksBeforeChangedTextGoes();
    void opensADroppedScript();
    void playerFollowsTheScriptAndLeadsToItsLines_data();
    void playerFollowsTheScriptAndLeadsToItsLines();
    void theOfferedSplitSplits_data();
    void theOfferedSplitSplits();
    void openedScriptReachesThePlayerAsTheGameReadsIt_data();
    void openedScriptReachesThePlayerAsTheGameReadsIt();
    void insertsAnAnimationAtTheCaretAsOneUndoStep_data();
    void insertsAnAnimationAtTheCaretAsOneUndoStep();
    void insertAnimationOpensWithinTheScreen_data();
    void insertAnimationOpensWithinTheScreen();
    void hoverPreviewsASetNameLine();
    void unsavedChangesAreCopiedUntilSavedOrLetGo();

private:
    bool placeEditor(QScreen *screen, const QString &where);
    QByteArray saveEditor();
};

void tst_frmEditor::initTestCase() { QVERIFY(setUpSettings()); }

void tst_frmEditor::init() { QVERIFY(startProgram()); }

void tst_frmEditor::cleanup() { QVERIFY(endProgram()); }

QByteArray tst_frmEditor::saveEditor()
{
    m_dialogs.path = m_dir->filePath(u"animated.cfg"_s);
    QTest::mouseClick(
        editor()->findChild<QPushButton *>(QStringLiteral("cmdSave")), Qt::LeftButton);
    QFile file(m_dialogs.path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void tst_frmEditor::windowLayout()
{
    QVERIFY(handOff(u"A"_s));
    QCOMPARE(editor()->windowTitle(), u"Tintmark Editor"_s);
    // The layout's area keeps its size below the menu bar, the file's state below it.
    const auto *client = editor()->findChild<QWidget *>(u"clientArea"_s);
    QCOMPARE(client->size(), QSize(575, 335));
    QCOMPARE(client->y(), editor()->findChild<QWidget *>(u"menuBar"_s)->height());
    QCOMPARE(editor()->minimumSize(), editor()->maximumSize());
    QVERIFY(!editor()->parentWidget());
    QCOMPARE(script()->geometry(), QRect(8, 8, 553, 289));
    QCOMPARE(script()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(script()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(script()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    const auto *save = editor()->findChild<QPushButton *>(QStringLiteral("cmdSave"));
    QCOMPARE(save->geometry(), QRect(464, 304, 97, 25));
    QCOMPARE(save->text(), u"&Save"_s);
    const auto *help = editor()->findChild<QLabel *>(QStringLiteral("Label1"));
    QCOMPARE(help->geometry(), QRect(8, 304, 449, 25));
    QCOMPARE(help->text(),
        u"This is where you can you add Animation to your script CFG file. "
        "Then you can save it by hitting the save button."_s);

    // The labels are fitted as the window first paints.
    QVERIFY(QTest::qWaitForWindowActive(editor()));
    QTRY_VERIFY2(
        clippedLabels(editor()).isEmpty(), qPrintable(clippedLabels(editor()).join(u", ")));
    QCOMPARE(QApplication::focusWidget(), script());
    QTest::keyClick(script(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), save);
}

void tst_frmEditor::savedBytes_data()
{
    QTest::addColumn<QStringList>("handOffs");
    QTest::addColumn<QByteArray>("afterTemplate");

    QTest::newRow("untouched template") << QStringList() << QByteArray("\r\n");
    QTest::newRow("first hand-off") << QStringList { "^1A" } << QByteArray(" set name ^1A\r\n");
    QTest::newRow("second hand-off on a line of its own")
        << QStringList { "^1A", "^1A" } << QByteArray(" set name ^1A\r\n set name ^1A\r\n");
    QTest::newRow("empty name") << QStringList { "" } << QByteArray(" set name \r\n");
    QTest::newRow("name longer than the game keeps")
        << QStringList { "^1Forty^2characters^3long^4name^5for^6yo" }
        << QByteArray(" set name ^1Forty^2characters^3long^4name^5for^6yo\r\n");
    // Bytes from 0x80 would separate words: the name goes in quotes.
    QTest::newRow("no-break space and Windows-1252, quoted")
        << QStringList { "\u00a0A\u00a0\u20ac" }
        << QByteArray(" set name \"\xa0"
                      "A\xa0\x80\"\r\n");
}

void tst_frmEditor::savedBytes()
{
    const QByteArray templateBytes = templateLiteral;
    QFETCH(QStringList, handOffs);
    QFETCH(QByteArray, afterTemplate);

    // The untouched template comes from a hand-off too; its command is removed by hand below.
    QVERIFY(handOff(handOffs.value(0)));
    if (handOffs.isEmpty())
        script()->setPlainText(scriptTemplate());
    for (const QString &name : handOffs.mid(1))
        QVERIFY(handOff(name));

    const QByteArray bytes = saveEditor();
    QCOMPARE(bytes, templateBytes + afterTemplate);
    if (handOffs.isEmpty())
        QCOMPARE(bytes.size(), 329);
}

void tst_frmEditor::handOffAppendsAtTheEndWhateverTheCaret()
{
    QVERIFY(handOff(u"A"_s));
    QTextCursor selection = script()->textCursor();
    selection.setPosition(3);
    selection.setPosition(10, QTextCursor::KeepAnchor);
    script()->setTextCursor(selection);
    QVERIFY(handOff(u"B"_s));
    QVERIFY(script()->toPlainText().startsWith(u"// Tarvik Script Editor\n"_s));
    QVERIFY(script()->toPlainText().endsWith(u"\n set name A\n set name B"_s));
}

void tst_frmEditor::undoSurvivesAHandOff()
{
    QVERIFY(handOff(u"A"_s));
    const QString handedOff = script()->toPlainText();
    script()->moveCursor(QTextCursor::End);
    QTest::keyClick(script(), Qt::Key_Return);
    QTest::keyClicks(script(), "time wait 5");
    const QString edited = script()->toPlainText();

    QVERIFY(handOff(u"B"_s));
    QCOMPARE(script()->toPlainText(), edited + u"\n set name B"_s);
    QTest::keyClick(script(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(script()->toPlainText(), edited);
    // Further undo goes back through the player's own typing.
    for (int i = 0; i < 20 && script()->toPlainText() != handedOff; ++i)
        QTest::keyClick(script(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(script()->toPlainText(), handedOff);
}

void tst_frmEditor::largeScriptGetsOnlyAnAppend()
{
    QVERIFY(handOff(u"A"_s));
    QString large;
    for (int i = 0; large.size() < 4 * 1024 * 1024; ++i)
        large += u"set name ^%1Frame%2\nwait 5\n"_s.arg(i % 10).arg(i);
    script()->setPlainText(large);

    QVERIFY(handOff(u"^2B"_s));
    const QString text = script()->toPlainText();
    QCOMPARE(text.size(), large.size() + 13);
    QVERIFY(text.startsWith(large));
    QVERIFY(text.endsWith(u"\n set name ^2B"_s));
}

void tst_frmEditor::enterTypesANewLineAndEscapeDoesNothing()
{
    QVERIFY(handOff(u"A"_s));
    script()->moveCursor(QTextCursor::End);
    QTest::keyClick(script(), Qt::Key_Return);
    QTest::keyClick(script(), Qt::Key_Escape);
    QVERIFY(script()->toPlainText().endsWith(u" set name A\n"_s));
    QCOMPARE(m_dialogs.calls, 0);
    QVERIFY(editor());
}

// The file holds the text as it is when the dialog has closed, not when Save was pressed.
void tst_frmEditor::savesTheTextAsItIsOnceTheDialogCloses()
{
    QVERIFY(handOff(u"A"_s));
    m_dialogs.whileOpen = [this] { script()->setPlainText(u"set name ^3Late\nwait 5"_s); };
    QCOMPARE(saveEditor(), QByteArray("set name ^3Late\r\nwait 5\r\n"));
}

void tst_frmEditor::failedSaveWarnsAndKeepsTheText()
{
    QVERIFY(handOff(u"\u00c5"_s));
    script()->moveCursor(QTextCursor::End);
    script()->insertPlainText(u" \u2192 next"_s);
    const QString text = script()->toPlainText();

    QCOMPARE(saveEditor(), QByteArray("<missing>"));
    QCOMPARE(m_dialogs.messages.size(), 1);
    QVERIFY2(
        m_dialogs.messages.first().contains(u"U+2192"_s), qPrintable(m_dialogs.messages.first()));
    QCOMPARE(script()->toPlainText(), text);

    // Cancel is silent.
    m_dialogs.path.clear();
    QTest::keyClick(editor(), Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(m_dialogs.calls, 2);
    QCOMPARE(m_dialogs.messages.size(), 1);
}

// A short script that the system cuts short leaves the old script whole and says why.
void tst_frmEditor::failedWriteKeepsTheOldScript()
{
    // Each fault stands where the writer is tested; here the message reaches the player.
    const WriteFault fault = WriteFault::FileSizeLimit;
    const QByteArray old = "set name ^1Old\r\nwait 50\r\nset name ^2Old\r\n";
    QVERIFY(handOff(u"^2New"_s));
    const QString text = script()->toPlainText();
    QPushButton *save = editor()->findChild<QPushButton *>(QStringLiteral("cmdSave"));
    const FaultedSave saved = saveUnderFault(
        fault, old, m_dir->path(), m_dialogs, [save] { QTest::mouseClick(save, Qt::LeftButton); });
    if (saved.notMade)
        QSKIP(saved.notMade);
    QCOMPARE(saved.kept, old);
    QCOMPARE(saved.files, QStringList { "old.cfg" });
    QCOMPARE(m_dialogs.messages.size(), 1);
    QVERIFY2(
        m_dialogs.messages.first().contains(saved.reason), qPrintable(m_dialogs.messages.first()));
    QCOMPARE(script()->toPlainText(), text);
    // Once the fault is gone, the same save works.
    QVERIFY2(saved.savedAfter.contains("^2New"), saved.savedAfter.constData());
}

void tst_frmEditor::closingAsksAboutChanges_data()
{
    using Answer = PlayerDialogs::ChangesAnswer;
    QTest::addColumn<QString>("change");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("saveAs"); // empty: the Save dialog is cancelled
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<bool>("sessionEnds"); // asked as the desktop session ends, not on closing

    const QByteArray none = "<missing>";
    QTest::newRow("unchanged closes")
        << u"none"_s << Answer::Cancel << u""_s << true << none << false;
    QTest::newRow("typing undone closes")
        << u"typed and undone"_s << Answer::Cancel << u""_s << true << none << false;
    QTest::newRow("Cancel keeps it")
        << u"typed"_s << Answer::Cancel << u""_s << false << none << false;
    QTest::newRow("Discard closes")
        << u"typed"_s << Answer::Discard << u""_s << true << none << false;
    QTest::newRow("Save saves and closes")
        << u"typed"_s << Answer::Save << u"animated.cfg"_s << true
        << QByteArray(templateLiteral) + " set name A!\r\n"
        << false;
    QTest::newRow("cancelled Save keeps it")
        << u"typed"_s << Answer::Save << u""_s << false << none << false;
    QTest::newRow("failed Save keeps it")
        << u"typed"_s << Answer::Save << u"missing/animated.cfg"_s << false << none << false;
    // The script opened is where Save goes, as Ctrl+S: nothing asks where.
    QTest::newRow("Save writes the script opened")
        << u"typed into the script opened"_s << Answer::Save << u""_s << true
        << QByteArray("set name Old\r\n!\r\n") << false;
    QTest::newRow("a second hand-off is a change")
        << u"handed off"_s << Answer::Cancel << u""_s << false << none << false;
    // "closes" is then whether the session may end.
    QTest::newRow("session end: Cancel keeps it and the session")
        << u"typed"_s << Answer::Cancel << u""_s << false << none << true;
    QTest::newRow("session end: failed Save keeps it and the session")
        << u"typed"_s << Answer::Save << u"missing/animated.cfg"_s << false << none << true;
    QTest::newRow("session end: Discard lets it end")
        << u"typed"_s << Answer::Discard << u""_s << true << none << true;
}

void tst_frmEditor::closingAsksAboutChanges()
{
    QFETCH(QString, change);
    QFETCH(PlayerDialogs::ChangesAnswer, answer);
    QFETCH(QString, saveAs);
    QFETCH(bool, closes);
    QFETCH(QByteArray, saved);
    QFETCH(bool, sessionEnds);

    QVERIFY(handOff(u"A"_s));
    if (change.endsWith(u"opened"))
        m_program->openInEditor(writeFile(u"animated.cfg"_s, "set name Old\r\n"));
    script()->moveCursor(QTextCursor::End);
    if (change.startsWith(u"typed"))
        QTest::keyClicks(script(), "!");
    if (change == u"typed and undone")
        QTest::keyClick(script(), Qt::Key_Z, Qt::ControlModifier);
    if (change == u"handed off")
        QVERIFY(handOff(u"B"_s));
    const QString text = script()->toPlainText();
    m_dialogs.changesAnswer = answer;
    m_dialogs.path = saveAs.isEmpty() ? QString() : m_dir->filePath(saveAs);

    QPointer<QWidget> window = editor();
    FakeSessionEnd session;
    if (sessionEnds) {
        m_program->settleBeforeSessionEnds(session);
        QCOMPARE(session.cancelled, !closes);
        QVERIFY(session.released);
    } else {
        QCOMPARE(window->close(), closes);
    }
    QCOMPARE(m_dialogs.saveQuestions, change == u"none" || change.endsWith(u"undone") ? 0 : 1);
    // The question names the script, or asks about a new one.
    QCOMPARE(m_dialogs.changedScript,
        change.endsWith(u"opened") ? m_dir->filePath(u"animated.cfg"_s) : QString());
    QCOMPARE(m_dialogs.messages.size(), saveAs.startsWith(u"missing") ? 1 : 0);
    if (closes && !sessionEnds)
        QTRY_VERIFY(!window);
    else if (!closes)
        QCOMPARE(script()->toPlainText(), text);
    QFile file(m_dir->filePath(u"animated.cfg"_s));
    QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>"), saved);
}

void tst_frmEditor::unsavedChangesAreCopiedUntilSavedOrLetGo()
{
    QVERIFY(handOff(u"A"_s));
    QVERIFY(recoveryCopies().isEmpty()); // the template and the hand-off are no changes
    script()->moveCursor(QTextCursor::End);
    // A quoted name may hold a no-break space, which the copy keeps as it is.
    const QString typed = u"\n\u00e9\u20ac \"a\u00a0b\""_s;
    script()->insertPlainText(typed);
    // A moment after the typing, not at once.
    QVERIFY(recoveryCopies().isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(recoveryCopies().size(), 1, 5000);
    {
        // Closed again before the editor removes it: Windows removes no open file.
        QFile copy(QDir(recoveryFolder()).filePath(recoveryCopies().first()));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        const QString copied = QString::fromUtf8(copy.readAll());
        QVERIFY(copied.endsWith(typed));
        QCOMPARE(copied.size(), script()->toPlainText().size());
    }

    // Saved, it goes; changed again and let go on closing, it goes too.
    m_dialogs.path = m_dir->filePath(u"saved.cfg"_s);
    QTest::mouseClick(editor()->findChild<QPushButton *>(u"cmdSave"_s), Qt::LeftButton);
    QVERIFY(recoveryCopies().isEmpty());
    QTest::keyClicks(script(), u"x"_s);
    // A session that ends without asking may end the program any moment: the copy at once.
    FakeSessionEnd silentEnd;
    silentEnd.interaction = false;
    m_program->settleBeforeSessionEnds(silentEnd);
    QCOMPARE(recoveryCopies().size(), 1);
    m_program->endInOrder(); // as a signal would: the copy at once, then the close question
    QCOMPARE(recoveryCopies().size(), 1);
    QCOMPARE(m_dialogs.saveQuestions, 1);
    m_dialogs.changesAnswer = PlayerDialogs::ChangesAnswer::Discard;
    QVERIFY(editor()->close());
    QVERIFY(recoveryCopies().isEmpty());
}

void tst_frmEditor::hoverPreviewsASetNameLine()
{
    QVERIFY(handOff(u"^1Red^4Blue"_s));
    QWidget *viewport = script()->viewport();
    const auto hoverOverLine = [&](int block) {
        QTextCursor line(script()->document()->findBlockByNumber(block));
        const QPoint at = script()->cursorRect(line).center() + QPoint(4, 0);
        QHelpEvent hover(QEvent::ToolTip, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &hover);
    };

    hoverOverLine(8); // the handed-off command
    QTRY_VERIFY(QToolTip::isVisible());
    QVERIFY(QToolTip::text().contains(u"color:#ff0000\">Red<"_s));
    QVERIFY(QToolTip::text().contains(u"color:#0000ff\">Blue<"_s));

    hoverOverLine(0); // a comment
    QTRY_VERIFY(!QToolTip::isVisible());
}

void tst_frmEditor::opensAScriptThatSavesAgainByteForByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("fromCommandLine"); // as "tintmark FILE" and "Open with" open it
    const QByteArray windows1252 = "// \x93quoted\x94 \x80 and\xa0no-break\r\n"
                                   "set name ^1A\r\n\r\nwait 50\r\n\tset name \x81\xff\r\n";
    QTest::newRow("Windows-1252, tabs and an empty line") << windows1252 << false;
    QTest::newRow("empty lines at the end")
        << QByteArray("// \x93quoted\x94 \x80 and\r\nset name ^1A\r\n\r\n\r\n") << false;
    QTest::newRow("tintmark FILE") << windows1252 << true;
}

void tst_frmEditor::opensAScriptThatSavesAgainByteForByte()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, fromCommandLine);
    const QString path = writeFile(u"friend.cfg"_s, bytes);
    QVERIFY(!path.isEmpty());

    if (fromCommandLine) {
        m_program->start(path);
        QVERIFY(editor());
    } else {
        QVERIFY(handOff(u"A"_s));
        QVERIFY(QTest::qWaitForWindowActive(editor()));
        m_dialogs.path = path;
        QTest::keyClick(script(), Qt::Key_O, Qt::ControlModifier);
    }
    QVERIFY(script()->toPlainText().startsWith(u"// \u201cquoted\u201d \u20ac and"_s));
    QCOMPARE(m_dialogs.utf8Questions, 0);
    // Offered again among the recent scripts, also when the program starts with it.
    QCOMPARE(RecentScripts::paths().value(0), path);
    QCOMPARE(saveEditor(), bytes);

    // Opening is one step that Undo takes back.
    QTest::keyClick(script(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(script()->toPlainText().endsWith(u" set name A"_s) != fromCommandLine);
    QVERIFY(!script()->toPlainText().startsWith(u"// \u201cquoted"_s));
}

void tst_frmEditor::asksBeforeChangedTextGoes()
{
    const QString path = writeFile(u"other.cfg"_s, "set name Other\r\n");
    QVERIFY(!path.isEmpty());

    QVERIFY(handOff(u"A"_s));
    QVERIFY(QTest::qWaitForWindowActive(editor()));
    QTest::keyClicks(script(), "mine");
    const QString edited = script()->toPlainText();
    // The hand-off and the typing are the player's: they go only when the player agrees.
    m_dialogs.path = path;
    m_dialogs.replaceChanges = false;
    QTest::keyClick(script(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(m_dialogs.questions, 1);
    QCOMPARE(m_dialogs.calls, 0);
    QCOMPARE(script()->toPlainText(), edited);

    m_dialogs.replaceChanges = true;
    QTest::keyClick(script(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(script()->toPlainText(), u"set name Other\n"_s);

    // Once saved, the text may go without a question.
    saveEditor();
    m_dialogs.path = path;
    QTest::keyClick(script(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(m_dialogs.questions, 2);
}

void tst_frmEditor::opensADroppedScript()
{
    const QString path = writeFile(u"dropped.cfg"_s, "set name Dropped\r\n");
    QVERIFY(!path.isEmpty());

    QVERIFY(handOff(u"A"_s));
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(path) });
    const QPoint at = script()->viewport()->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(script()->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(script()->viewport(), &drop);
    QCOMPARE(script()->toPlainText(), u"set name Dropped\n"_s);
}

namespace {

// The screens of tests/screens.json where the suite runs with it, by name: 1920x1080 and
// 1366x768, then the same at 200 % and at 125 %.
void addScreenRows()
{
    QTest::addColumn<QString>("screenName");
    QTest::addColumn<QString>("where"); // the editor, where a desktop may put it
    QTest::newRow("where the editor opens") << QString() << u"opens"_s;
    QTest::newRow("editor at the bottom right of 1920x1080") << u"wide"_s << u"bottom right"_s;
    QTest::newRow("editor low in the middle of 1920x1080") << u"wide"_s << u"bottom middle"_s;
    QTest::newRow("editor at the bottom right of 1366x768") << u"laptop"_s << u"bottom right"_s;
    QTest::newRow("editor at the top left of 1920x1080 at 200 %")
        << u"wide at 200 %"_s << u"top left"_s;
    QTest::newRow("editor at the bottom right of 1920x1080 at 200 %")
        << u"wide at 200 %"_s << u"bottom right"_s;
    QTest::newRow("editor at the top left of 1366x768 at 125 %")
        << u"laptop at 125 %"_s << u"top left"_s;
    QTest::newRow("editor at the bottom right of 1366x768 at 125 %")
        << u"laptop at 125 %"_s << u"bottom right"_s;
}

QScreen *screenNamed(const QString &name)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    const auto named = std::ranges::find_if(
        screens, [&name](const QScreen *screen) { return screen->name() == name; });
    return named == screens.end() ? nullptr : *named;
}

} // namespace

// Moves the editor, framed, onto the screen where a desktop may put it.
bool tst_frmEditor::placeEditor(QScreen *screen, const QString &where)
{
    const QRect available = screen->availableGeometry();
    const QSize frame = editor()->frameGeometry().size();
    const QPoint right
        = available.bottomRight() - QPoint(frame.width(), frame.height()) + QPoint(1, 1);
    editor()->move(where == u"top left" ? available.topLeft()
            : where == u"bottom middle" ? QPoint((available.left() + right.x()) / 2, right.y())
                                        : right);
    return QTest::qWaitFor([&] { return editor()->screen() == screen; });
}

void tst_frmEditor::playerFollowsTheScriptAndLeadsToItsLines_data() { addScreenRows(); }

void tst_frmEditor::playerFollowsTheScriptAndLeadsToItsLines()
{
    QFETCH(QString, screenName);
    QFETCH(QString, where);
    QScreen *screen = screenName.isEmpty() ? nullptr : screenNamed(screenName);
    if (!screenName.isEmpty() && !screen)
        QSKIP("This platform has no such screen.");
    QVERIFY(handOff(u"^1A"_s));
    script()->moveCursor(QTextCursor::End);
    script()->insertPlainText(u" set name ^2B"_s);
    QVERIFY(QTest::qWaitForWindowActive(editor()));
    if (screen)
        QVERIFY(placeEditor(screen, where));
    QTest::keyClick(script(), Qt::Key_F5);
    ScriptPlayerWindow *player = editor()->findChild<ScriptPlayerWindow *>();
    QVERIFY(player && player->isVisible());
    auto *warnings = player->findChild<QListWidget *>(QStringLiteral("warnings"));
    QVERIFY(warnings->item(0)->text().startsWith(u"line 9: Two commands run together"_s));

    // The player window stands within the screen, with room for its controls, beside the
    // editor where the screen has room for both, and never over the script it follows.
    const QRect available = editor()->screen()->availableGeometry();
    const QRect frame = player->frameGeometry();
    QVERIFY(available.contains(frame));
    QVERIFY(player->height() >= player->layout()->totalMinimumHeightForWidth(player->width()));
    const QRect text(script()->mapToGlobal(QPoint()), script()->size());
    QVERIFY(!frame.intersects(text));
    const int playerFrameWidth = frame.width() - player->width();
    if (available.width()
        >= editor()->frameGeometry().width() + player->minimumSizeHint().width() + playerFrameWidth)
        QVERIFY(!frame.intersects(editor()->frameGeometry()));

    // The fix puts the second command on its own line, and the player follows.
    warnings->setCurrentRow(0);
    player->findChild<QPushButton *>(QStringLiteral("splitButton"))->click();
    QVERIFY(script()->toPlainText().endsWith(u"\n set name ^1A\nset name ^2B"_s));
    auto *timeline = player->findChild<QTreeWidget *>(QStringLiteral("timeline"));
    QCOMPARE(timeline->topLevelItemCount(), 2);

    // Typed text reaches the player once typing pauses.
    script()->moveCursor(QTextCursor::End);
    QTest::keyClick(script(), Qt::Key_Return);
    QTest::keyClicks(script(), "wait 50");
    QTest::keyClick(script(), Qt::Key_Return);
    QTest::keyClicks(script(), "set name ^3C");
    QTRY_COMPARE(timeline->topLevelItemCount(), 3);
    QCOMPARE(timeline->topLevelItem(2)->text(0), u"0.28 s (50 ticks)"_s);

    // A name in the timeline leads to its line in the script.
    QTest::mouseClick(timeline->viewport(), Qt::LeftButton, {},
        timeline->visualItemRect(timeline->topLevelItem(1)).center());
    QCOMPARE(script()->textCursor().blockNumber(), 9);
}

// Every line the player window offers to split is split where the second command starts.
void tst_frmEditor::theOfferedSplitSplits_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("split");
    QTest::newRow("two commands with a space between")
        << u"set name ^1A set name ^2B"_s << u"set name ^1A\nset name ^2B"_s;
    QTest::newRow("a paste that lost its line break after a quote")
        << u"set c1 \"set name ^1A; wait 20; vstr c2\"set c2 \"set name ^2B; wait 20; vstr c1\""_s
        << u"set c1 \"set name ^1A; wait 20; vstr c2\"\nset c2 \"set name ^2B; wait 20; vstr c1\""_s;
}

void tst_frmEditor::theOfferedSplitSplits()
{
    QFETCH(QString, line);
    QFETCH(QString, split);
    QVERIFY(handOff(u"A"_s));
    script()->setPlainText(line);
    QVERIFY(QTest::qWaitForWindowActive(editor()));
    QTest::keyClick(script(), Qt::Key_F5);
    auto *player = editor()->findChild<ScriptPlayerWindow *>();
    QVERIFY(player);
    auto *warnings = player->findChild<QListWidget *>(QStringLiteral("warnings"));
    QVERIFY(warnings->item(0)->text().contains(u"Two commands run together"_s));
    warnings->setCurrentRow(0);
    auto *splitButton = player->findChild<QPushButton *>(QStringLiteral("splitButton"));
    QVERIFY(splitButton->isEnabled());
    splitButton->click();
    QCOMPARE(script()->toPlainText(), split);
}

void tst_frmEditor::openedScriptReachesThePlayerAsTheGameReadsIt_data()
{
    QTest::addColumn<int>("fileBytes");
    QTest::addColumn<QString>("lastName");
    QTest::addColumn<QString>("firstWarning");
    const QString tooLong = u"line 1: The script takes 65536 bytes or more"_s;
    QTest::newRow("65,535 bytes: the game runs it") << 65'535 << u"^2End"_s << u"No warnings"_s;
    QTest::newRow("65,536 bytes: the game runs none of it") << 65'536 << QString() << tooLong;
    QTest::newRow("8 MiB") << 8 * 1024 * 1024 << QString() << tooLong;
}

void tst_frmEditor::openedScriptReachesThePlayerAsTheGameReadsIt()
{
    QFETCH(int, fileBytes);
    QFETCH(QString, lastName);
    QFETCH(QString, firstWarning);
    // Between the two names, comment lines of 64 bytes and one shorter.
    const QByteArray last = "set name ^2End\r\n";
    QByteArray bytes = "set name ^1Start\r\n";
    while (bytes.size() + 64 + last.size() <= fileBytes)
        bytes += "//" + QByteArray(60, 'x') + "\r\n";
    bytes += "//" + QByteArray(fileBytes - bytes.size() - last.size() - 4, 'x') + "\r\n" + last;
    QCOMPARE(bytes.size(), fileBytes);
    const QString path = writeFile(u"long.cfg"_s, bytes);
    QVERIFY(!path.isEmpty());

    QVERIFY(handOff(u"A"_s));
    QVERIFY(QTest::qWaitForWindowActive(editor()));
    QTest::keyClick(script(), Qt::Key_F5);
    auto *player = editor()->findChild<ScriptPlayerWindow *>();
    QVERIFY(player);
    editor()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(editor()));
    m_dialogs.path = path;
    QTest::keyClick(script(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(script()->document()->lastBlock().previous().text(), u"set name ^2End"_s);

    // At once: opening is not typing.
    auto *timeline = player->findChild<QTreeWidget *>(QStringLiteral("timeline"));
    const int names = timeline->topLevelItemCount();
    QCOMPARE(names ? timeline->topLevelItem(names - 1)->text(2) : QString(), lastName);
    const QString warning
        = player->findChild<QListWidget *>(QStringLiteral("warnings"))->item(0)->text();
    QVERIFY2(warning.startsWith(firstWarning), qPrintable(warning));

    // Saved again, the notice judges the file as written, CR LF and all, as the player does.
    QTest::keyClick(script(), Qt::Key_S, Qt::ControlModifier);
    const auto *notice = editor()->findChild<QLabel *>(u"saveNotice"_s);
    QVERIFY(notice);
    QCOMPARE(notice->text().contains(firstWarning), lastName.isEmpty());
}

void tst_frmEditor::insertAnimationOpensWithinTheScreen_data() { addScreenRows(); }

// Whole on the screen, its buttons in view; the page scrolls where the screen is too small.
void tst_frmEditor::insertAnimationOpensWithinTheScreen()
{
    QFETCH(QString, screenName);
    QFETCH(QString, where);
    QScreen *screen = screenName.isEmpty() ? nullptr : screenNamed(screenName);
    if (!screenName.isEmpty() && !screen)
        QSKIP("This platform has no such screen.");
    QVERIFY(handOff(u"^1Sniper^4Wolf"_s));
    QVERIFY(QTest::qWaitForWindowActive(editor()));
    if (screen)
        QVERIFY(placeEditor(screen, where));
    QTest::keyClick(script(), Qt::Key_I, Qt::ControlModifier);
    auto *dialog = editor()->findChild<AnimationDialog *>();
    QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
    const QRect available = editor()->screen()->availableGeometry();
    QVERIFY(available.contains(dialog->frameGeometry()));
    for (const QAbstractButton *button : dialog->findChild<QDialogButtonBox *>()->buttons()) {
        QVERIFY(button->isVisible());
        QVERIFY(available.contains(QRect(button->mapToGlobal(QPoint()), button->size())));
    }
    dialog->reject();
}

void tst_frmEditor::insertsAnAnimationAtTheCaretAsOneUndoStep_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("a plain name") << u"^1Ab"_s;
    // Handed off in quotes: the dialog gets the name, not the quotes.
    QTest::newRow("a name the console would split") << u"^1Tint^7mark \u20ac"_s;
}

void tst_frmEditor::insertsAnAnimationAtTheCaretAsOneUndoStep()
{
    QFETCH(QString, name);
    QVERIFY(handOff(name));
    QVERIFY(QTest::qWaitForWindowActive(editor()));
    const QString before = script()->toPlainText();
    // The caret inside the template's first line, which stays whole.
    QTextCursor caret(script()->document()->findBlockByNumber(0));
    caret.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 5);
    script()->setTextCursor(caret);

    QTest::keyClick(script(), Qt::Key_I, Qt::ControlModifier);
    auto *dialog = editor()->findChild<AnimationDialog *>();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->findChild<QLineEdit *>(QStringLiteral("nameEdit"))->text(), name);
    // The key a key-step animation binds is free: no command of Tintmark's takes it, nor do the
    // games' own configs, which bind F1, F2, F4 and F12.
    const QKeySequence key(dialog->findChild<QLineEdit *>(QStringLiteral("keyEdit"))->text());
    for (const QWidget *window : { editor(), m_mainWindow }) {
        for (const QAction *action : window->findChildren<QAction *>())
            QVERIFY2(!action->shortcuts().contains(key), qPrintable(action->text()));
    }
    QVERIFY(
        !QList<QKeySequence>({ Qt::Key_F1, Qt::Key_F2, Qt::Key_F4, Qt::Key_F12 }).contains(key));
    const QString animation = dialog->script();
    QPushButton *insert = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    QVERIFY(insert->isEnabled());
    insert->click();

    const QStringList lines = script()->toPlainText().split(u'\n');
    QCOMPARE(lines.value(0), u"// Tarvik Script Editor"_s);
    QCOMPARE(lines.mid(1, animation.count(u'\n') + 1).join(u'\n'), animation);
    QCOMPARE(lines.value(animation.count(u'\n') + 2),
        u"// for your liking, you can now make animated scripts. "_s);

    QTest::keyClick(script(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(script()->toPlainText(), before);
}

void tst_frmEditor::ctrlSSavesWhereTheScriptLastWent_data()
{
    QTest::addColumn<bool>("savedAs"); // saved under a new name after opening
    QTest::addColumn<std::optional<WriteFault>>("fault");
    QTest::newRow("the script opened") << false << std::optional<WriteFault>();
    QTest::newRow("the new name it was saved as") << true << std::optional<WriteFault>();
    // A failed save leaves the text unsaved: closing still asks.
    QTest::newRow("the rename over the script refused")
        << false << std::optional(WriteFault::CommitFails);
    QTest::newRow("a full disk") << false << std::optional(WriteFault::FullDisk);
}

// Ctrl+S writes the script last opened or saved, without asking where.
void tst_frmEditor::ctrlSSavesWhereTheScriptLastWent()
{
    QFETCH(bool, savedAs);
    QFETCH(std::optional<WriteFault>, fault);

    const QByteArray old = "set name Opened\r\n";
    QVERIFY(handOff(u"A"_s));
    std::optional<bool> unsavedAfterFirstSave;
    const auto openChangeAndSave = [&] {
        m_program->openInEditor(m_dialogs.path);
        if (savedAs) {
            m_dialogs.path = m_dir->filePath(u"new.cfg"_s);
            QTest::mouseClick(editor()->findChild<QPushButton *>(u"cmdSave"_s), Qt::LeftButton);
        }
        editor()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor()));
        script()->moveCursor(QTextCursor::End);
        QTest::keyClicks(script(), u"X"_s);
        const int asked = m_dialogs.calls;
        QTest::keyClick(script(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(m_dialogs.calls, asked);
        if (!unsavedAfterFirstSave)
            unsavedAfterFirstSave = script()->document()->isModified();
    };
    if (fault) {
        const FaultedSave saved
            = saveUnderFault(*fault, old, m_dir->path(), m_dialogs, openChangeAndSave);
        if (saved.notMade)
            QSKIP(saved.notMade);
        QCOMPARE(saved.kept, old);
        QCOMPARE(m_dialogs.messages.size(), 1);
        QCOMPARE(unsavedAfterFirstSave, std::optional(true));
        return;
    }
    m_dialogs.path = writeFile(u"opened.cfg"_s, old);
    openChangeAndSave();
    QVERIFY(!script()->document()->isModified());
    QFile written(m_dir->filePath(savedAs ? u"new.cfg"_s : u"opened.cfg"_s));
    QVERIFY(written.open(QIODevice::ReadOnly));
    // Typed after Ctrl+End, on a line of its own.
    const QByteArray changed = "set name Opened\r\nX\r\n";
    QCOMPARE(written.readAll(), changed);
    QFile opened(m_dir->filePath(u"opened.cfg"_s));
    QVERIFY(opened.open(QIODevice::ReadOnly));
    QCOMPARE(opened.readAll(), savedAs ? old : changed);
}

void tst_frmEditor::menuEntriesDoTheirCommands_data()
{
    QTest::addColumn<QString>("entry"); // "main window: File > Quit"
    QTest::addColumn<QKeySequence>("shortcut"); // pressed instead of the entry when given
    QTest::addColumn<QString>("name"); // in the main window's name box
    QTest::addColumn<Effect>("effect");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("asks"); // how often a Save or Open dialog asks

    // Each entry, and its shortcut where it has one. The editor holds opened.cfg with a line
    // typed, the player opened recent.cfg before it, and the dialogs answer chosen.cfg.
    const auto add = [](const QString &entry, const QKeySequence &shortcut, Effect effect,
                         const QString &value, int asks = 0, const QString &name = u"^1A"_s) {
        QTest::newRow(qPrintable(entry))
            << entry << QKeySequence() << name << effect << value << asks;
        if (!shortcut.isEmpty()) {
            QTest::newRow(qPrintable(entry + u" ("_s + shortcut.toString() + u')'))
                << entry << shortcut << name << effect << value << asks;
        }
    };
    const QString main = u"main window: "_s;
    const QString editor = u"editor: "_s;
    add(main + u"File > Save the Name Script..."_s, QKeySequence::Save, Effect::Saves,
        u"chosen.cfg"_s, 1);
    add(main + u"File > Add to the Script Editor"_s, Qt::CTRL | Qt::Key_E, Effect::EditorHolds,
        u"set name Opened\nX\n set name ^1A"_s);
    add(main + u"File > Open Script in the Editor..."_s, QKeySequence::Open, Effect::EditorHolds,
        u"set name Chosen\n"_s, 1);
    add(main + u"File > Open Recent > recent.cfg"_s, {}, Effect::EditorHolds,
        u"set name Recent\n"_s);
    add(main + u"File > Language > The System's Language"_s, {}, Effect::ChoosesLanguage, {});
    add(main + u"File > Language > English"_s, {}, Effect::ChoosesLanguage, u"en"_s);
    for (const QString &language : Language::available()) {
        add(main + u"File > Language > "_s + Language::nameOf(language), {},
            Effect::ChoosesLanguage, language);
    }
    add(main + u"File > Game Edition > As the Game Installed (none found: English)"_s, {},
        Effect::ChoosesEdition, {});
    for (const GameLanguage::Id id : GameLanguage::all) {
        const GameLanguage edition(id);
        add(main
                + u"File > Game Edition > %1 (%2 letters)"_s.arg(
                    edition.name(), edition.codePage().letters()),
            {}, Effect::ChoosesEdition, edition.key());
    }
    add(main + u"File > Quit"_s, QKeySequence::Quit, Effect::Closes, u"frmNameScript"_s);
    add(main + u"Name > Copy the Console Command"_s, Qt::CTRL | Qt::SHIFT | Qt::Key_C,
        Effect::Copies, u"/name ^1A"_s);
    add(main + u"Name > Remove What the Game Drops"_s, {}, Effect::NameBecomes, u"^1AB"_s, 0,
        u"^1A\"B"_s);
    add(main + u"Name > Spell It \u201c^1Lukasz\u201d"_s, {}, Effect::NameBecomes, u"^1Lukasz"_s, 0,
        u"^1\u0141ukasz"_s);
    add(main + u"Name > Keep the Preview on Screen"_s, Qt::ALT | Qt::Key_P, Effect::Shows,
        u"pinnedPreview"_s);
    add(main + u"Name > Color the Whole Name > Rainbow"_s, {}, Effect::NameBecomes,
        u"^1S^3n^2i^5p^4e^6r"_s, 0, u"Sniper"_s);
    add(main + u"Name > Color the Whole Name > Gradient"_s, {}, Effect::NameBecomes,
        u"^1Sni^4per"_s, 0, u"^1^4Sniper"_s);
    add(main + u"Name > Names from the Games > COD 2: ^5Old"_s, {}, Effect::NameBecomes,
        u"^5Old"_s);
    add(editor + u"File > Open Script..."_s, QKeySequence::Open, Effect::EditorHolds,
        u"set name Chosen\n"_s, 1);
    add(editor + u"File > Open Recent > recent.cfg"_s, {}, Effect::EditorHolds,
        u"set name Recent\n"_s);
    add(editor + u"File > Save"_s, QKeySequence::Save, Effect::Saves, u"opened.cfg"_s);
    // A copy under a new name: the script opened stays as it was.
    add(editor + u"File > Save As..."_s, QKeySequence::SaveAs, Effect::Saves, u"chosen.cfg"_s, 1);
    add(editor + u"File > Language > Deutsch"_s, {}, Effect::ChoosesLanguage, u"de"_s);
    add(editor + u"File > Game Edition > Polish (Central European letters)"_s, {},
        Effect::ChoosesEdition, u"polish"_s);
    add(editor + u"File > Close"_s, QKeySequence::Close, Effect::Closes, u"frmEditor"_s);
    add(editor + u"Script > Play and Check..."_s, Qt::Key_F5, Effect::Shows,
        u"ScriptPlayerWindow"_s);
    add(editor + u"Script > Insert Animation..."_s, Qt::CTRL | Qt::Key_I, Effect::Shows,
        u"AnimationDialog"_s);
    for (const QString &window : { main, editor }) {
        add(window + u"Help > Using the Script in the Game"_s, QKeySequence::HelpContents,
            Effect::Shows, u"inTheGamePage"_s);
        add(window + u"Help > What the Color Codes Do"_s, {}, Effect::Shows, u"colorCodesPage"_s);
        add(window + u"Help > About Tintmark..."_s, {}, Effect::Shows, u"About Tintmark"_s);
        add(window + u"Help > About Qt..."_s, {}, Effect::Shows, u"About Qt"_s);
    }
}

// Each entry of the menu bars, chosen in its menu or by its shortcut, does its own command.
void tst_frmEditor::menuEntriesDoTheirCommands()
{
    QFETCH(QString, entry);
    QFETCH(QKeySequence, shortcut);
    QFETCH(QString, name);
    QFETCH(Effect, effect);
    QFETCH(QString, value);
    QFETCH(int, asks);
    const QString path = entry.section(u": "_s, 1);

    // A first start, with a game whose config names the player.
    QSettings().clear();
    const auto forgetTheChoices = qScopeGuard([] { QSettings().clear(); });
    const QString cod2 = u".local/share/Steam/steamapps/common/Call of Duty 2/main/"_s;
    QVERIFY(!writeFile(cod2 + u"iw_00.iwd"_s, "").isEmpty());
    QVERIFY(!writeFile(cod2 + u"players/one/config_mp.cfg"_s, "seta name \"^5Old\"\r\n").isEmpty());
    const std::map<QString, QByteArray> scripts { { u"chosen.cfg"_s, "set name Chosen\r\n" },
        { u"opened.cfg"_s, "set name Opened\r\n" }, { u"recent.cfg"_s, "set name Recent\r\n" } };
    for (const auto &[file, bytes] : scripts)
        QVERIFY(!writeFile(file, bytes).isEmpty());
    m_program->openInEditor(m_dir->filePath(u"recent.cfg"_s));
    m_program->openInEditor(m_dir->filePath(u"opened.cfg"_s));
    script()->moveCursor(QTextCursor::End);
    QTest::keyClicks(script(), u"X"_s);
    auto *nameBox = m_mainWindow->findChild<QLineEdit *>(QStringLiteral("Text1"));
    nameBox->setText(name);
    m_dialogs.path = m_dir->filePath(u"chosen.cfg"_s);
    m_dialogs.changesAnswer = PlayerDialogs::ChangesAnswer::Discard;
    QWidget *window = entry.startsWith(u"editor") ? editor() : m_mainWindow;
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));

    // A modal box is read and closed.
    QStringList modal;
    QTimer closeModal;
    closeModal.setSingleShot(true);
    connect(&closeModal, &QTimer::timeout, this, [&modal] {
        if (QWidget *box = QApplication::activeModalWidget()) {
            modal = QStringList { box->objectName(), box->windowTitle() };
            box->close();
        }
    });
    closeModal.start(0);
    if (shortcut.isEmpty()) {
        QAction *action = menuEntry(window, path);
        QVERIFY2(action, qPrintable(path));
        QVERIFY(action->isEnabled());
        action->trigger();
    } else {
        QTest::keySequence(QApplication::focusWidget(), shortcut);
    }

    QCOMPARE(m_dialogs.calls, asks);
    for (const auto &[file, bytes] : scripts) {
        QFile written(m_dir->filePath(file));
        QVERIFY(written.open(QIODevice::ReadOnly));
        if (effect != Effect::Saves || file != value)
            QCOMPARE(written.readAll(), bytes);
        else if (window == m_mainWindow)
            QCOMPARE(written.readAll(), "set name " + name.toUtf8() + "\r\n");
        else
            QCOMPARE(written.readAll(), QByteArray("set name Opened\r\nX\r\n"));
    }
    const auto shown = [](const QString &objectName) {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::ranges::any_of(windows, [&objectName](const QWidget *window) {
            return window->isVisible() && window->objectName() == objectName;
        });
    };
    switch (effect) {
    case Effect::Saves:
        // The editor's changes are saved by the editor alone.
        QCOMPARE(script()->document()->isModified(), window == m_mainWindow);
        break;
    case Effect::EditorHolds:
        QVERIFY(editor());
        QCOMPARE(script()->toPlainText(), value);
        break;
    case Effect::Shows:
        QVERIFY2(modal.contains(value) || shown(value), qPrintable(modal.join(u", ")));
        break;
    case Effect::Closes:
        QTRY_VERIFY(!shown(value));
        break;
    case Effect::Copies:
        QCOMPARE(QGuiApplication::clipboard()->text(), value);
        break;
    case Effect::NameBecomes:
        QCOMPARE(nameBox->text(), value);
        break;
    case Effect::ChoosesLanguage:
    case Effect::ChoosesEdition: {
        QCOMPARE(effect == Effect::ChoosesLanguage
                ? Language::chosen()
                : QSettings().value(u"game/language"_s).toString(),
            value);
        // The next start marks the choice.
        m_program.reset();
        m_program = std::make_unique<TintmarkProgram>(m_dialogs, *m_games, recoveryFolder());
        m_mainWindow = &m_program->mainWindow();
        const QAction *chosen = menuEntry(m_mainWindow, path);
        QVERIFY(chosen);
        QVERIFY(chosen->isChecked());
        break;
    }
    }
}

// The player window runs the scripts that the script execs from its folder, their names on
// the exec's line.
void tst_frmEditor::playerRunsTheScriptsTheScriptExecs()
{
    QVERIFY(
        !writeFile(u"colors.cfg"_s, "// two names\r\nset name ^2B\r\nwait 10\r\nset name ^3C\r\n")
             .isEmpty());
    m_program->openInEditor(writeFile(u"main.cfg"_s, "set name ^1A\r\nwait 10\r\nexec colors\r\n"));
    QVERIFY(QTest::qWaitForWindowActive(editor()));
    QTest::keyClick(script(), Qt::Key_F5);
    const auto *timeline
        = editor()->findChild<ScriptPlayerWindow *>()->findChild<QTreeWidget *>(u"timeline"_s);
    QStringList names;
    for (int i = 0; i < timeline->topLevelItemCount(); ++i)
        names << timeline->topLevelItem(i)->text(1) + u' ' + timeline->topLevelItem(i)->text(2);
    QCOMPARE(names, (QStringList { u"1 ^1A"_s, u"3 ^2B"_s, u"3 ^3C"_s }));
}

// With a Russian COD 2 and an English COD installed, a script in COD's folder is read and saved
// in COD's letters, and one saved into COD 2's folder in COD 2's.
void tst_frmEditor::aScriptInAGamesFolderTakesThatGamesEdition()
{
    const QString cod2 = u".local/share/Steam/steamapps/common/Call of Duty 2/main/"_s;
    const QString cod = u".wine/drive_c/Program Files/Activision/Call of Duty/main/"_s;
    for (const QString &file : { cod2 + u"iw_00.iwd"_s, cod2 + u"localized_russian_iw00.iwd"_s,
             cod + u"pak0.pk3"_s, cod + u"localized_english_pak0.pk3"_s })
        QVERIFY(!writeFile(file, "").isEmpty());
    // The euro sign is 0x80 in Windows-1252, 0x88 in Windows-1251.
    const QByteArray western = "set name \"A\x80\"\r\n";
    m_program->openInEditor(writeFile(cod + u"euro.cfg"_s, western));
    QCOMPARE(script()->toPlainText(), u"set name \"A\u20ac\"\n"_s);
    for (const auto &[folder, bytes] :
        { std::pair { cod, western }, std::pair { cod2, QByteArray("set name \"A\x88\"\r\n") } }) {
        m_dialogs.path = m_dir->filePath(folder + u"saved.cfg"_s);
        QTest::mouseClick(editor()->findChild<QPushButton *>(u"cmdSave"_s), Qt::LeftButton);
        QFile saved(m_dialogs.path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), bytes);
    }
}

QTEST_MAIN(tst_frmEditor)
#include "tst_frmeditor.moc"
