// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tintmarkprogram.h"
#include "editor/scripttemplate.h"
#include "fakedialogs.h"
#include "games/installedgames.h"
#include "programfixture.h"
#include "treefile.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

// What joins the two windows: the main window's command handed to the one script editor, the
// editor's changes settled before the program ends, the scripts left unsaved offered back.
class tst_ScriptEditorHandOff : public ProgramFixture {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void altEOpensAndReusesTheEditor();
    void handOffBringsAnOpenEditorToTheFront();
    void closedEditorStartsAgainFromTemplate();
    void closingTheMainWindowEndsTheProgram();
    void aScriptLeftUnsavedIsOfferedBack_data();
    void aScriptLeftUnsavedIsOfferedBack();
    void endInOrderAsksAndKeepsTheCopy();
};

void tst_ScriptEditorHandOff::initTestCase() { QVERIFY(setUpSettings()); }

void tst_ScriptEditorHandOff::init() { QVERIFY(startProgram()); }

void tst_ScriptEditorHandOff::cleanup() { QVERIFY(endProgram()); }

void tst_ScriptEditorHandOff::altEOpensAndReusesTheEditor()
{
    QVERIFY(!editor());
    m_mainWindow->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(u"^1A"_s);
    QTest::keyClick(m_mainWindow, Qt::Key_E, Qt::AltModifier);
    QTRY_VERIFY(editor());
    QWidget *first = editor();
    QCOMPARE(
        script()->toPlainText(), scriptTemplate().replace(u"\r\n"_s, u"\n"_s) + u" set name ^1A"_s);

    script()->moveCursor(QTextCursor::End);
    QTest::keyClicks(script(), " // mine");
    m_mainWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_mainWindow));
    QTest::keyClick(m_mainWindow, Qt::Key_E, Qt::AltModifier);
    QTRY_VERIFY(script()->toPlainText().endsWith(u" // mine\n set name ^1A"_s));
    QCOMPARE(editor(), first);
    QVERIFY(m_mainWindow->isVisible());
}

// The player asked for the editor: an open one comes forward with the focus, not left behind.
void tst_ScriptEditorHandOff::handOffBringsAnOpenEditorToTheFront()
{
    QVERIFY(handOff(u"A"_s));
    QWidget *open = editor();
    QVERIFY(QTest::qWaitForWindowActive(open));
    m_mainWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_mainWindow));

    QVERIFY(handOff(u"B"_s));
    QCOMPARE(editor(), open);
    QVERIFY(QTest::qWaitForWindowActive(open));
    QCOMPARE(QApplication::activeWindow(), open);
}

void tst_ScriptEditorHandOff::closedEditorStartsAgainFromTemplate()
{
    QVERIFY(handOff(u"old"_s));
    QPointer<QWidget> closed = editor();
    QVERIFY(closed->close());
    QTRY_VERIFY(!closed); // destroyed with its text
    QVERIFY(m_mainWindow->isVisible());

    QVERIFY(handOff(u"new"_s));
    QCOMPARE(
        script()->toPlainText(), scriptTemplate().replace(u"\r\n"_s, u"\n"_s) + u" set name new"_s);
}

void tst_ScriptEditorHandOff::closingTheMainWindowEndsTheProgram()
{
    QVERIFY(handOff(u"A"_s));
    QPointer<QWidget> openEditor = editor();
    QTest::keyClicks(script(), "!");
    // The editor's changes are asked about first; Cancel keeps both windows open.
    QVERIFY(!m_mainWindow->close());
    QVERIFY(m_mainWindow->isVisible() && openEditor->isVisible());
    QCOMPARE(m_dialogs.saveQuestions, 1);

    m_dialogs.changesAnswer = PlayerDialogs::ChangesAnswer::Discard;
    QTimer::singleShot(0, m_mainWindow, &QWidget::close);
    // Gone with the window: fired in a later test, it would end that test's dialogs at once.
    QTimer::singleShot(5000, m_mainWindow, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(m_dialogs.saveQuestions, 2);
    m_program.reset();
    QVERIFY(!openEditor);
}

void tst_ScriptEditorHandOff::aScriptLeftUnsavedIsOfferedBack_data()
{
    QTest::addColumn<bool>("recover");
    QTest::newRow("recovered") << true;
    QTest::newRow("discarded") << false;
}

void tst_ScriptEditorHandOff::aScriptLeftUnsavedIsOfferedBack()
{
    QFETCH(bool, recover);
    // A copy that a program now gone left: no one holds its lock.
    const QString text = u"set name ^1Lost \u20ac\nwait 10\n\nset name ^2Found"_s;
    QVERIFY(!writeFile(u"recovery/left.recovery"_s, text.toUtf8()).isEmpty());
    const QStringList left = recoveryCopies();
    m_dialogs.recover = recover;
    m_program->start();
    QCOMPARE(m_dialogs.recoverQuestions, 1);
    if (recover) {
        QVERIFY(editor());
        QCOMPARE(script()->toPlainText(), text);
        QVERIFY(script()->document()->isModified());
        // The editor's own copy replaces the one left.
        QCOMPARE(recoveryCopies().size(), 1);
        QVERIFY(recoveryCopies().first() != left.first());
        m_dialogs.changesAnswer = PlayerDialogs::ChangesAnswer::Discard;
    } else {
        QVERIFY(!editor());
        QVERIFY(recoveryCopies().isEmpty());
    }
}

// Ended from outside, by a signal say, as the player would end it: the copy first, then the
// question, which the player may answer by keeping the program.
void tst_ScriptEditorHandOff::endInOrderAsksAndKeepsTheCopy()
{
    QVERIFY(handOff(u"A"_s));
    QTest::keyClicks(script(), u"x"_s);
    m_dialogs.changesAnswer = PlayerDialogs::ChangesAnswer::Cancel;
    m_program->endInOrder();
    QCOMPARE(m_dialogs.saveQuestions, 1);
    QCOMPARE(recoveryCopies().size(), 1);
    QVERIFY(m_mainWindow->isVisible()); // the player kept it
    m_dialogs.changesAnswer = PlayerDialogs::ChangesAnswer::Discard;
}

QTEST_MAIN(tst_ScriptEditorHandOff)
#include "tst_scripteditorhandoff.moc"
