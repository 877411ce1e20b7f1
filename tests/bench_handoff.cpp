// Measures a hand-off into scripts of growing size: its cost should follow the appended command,
// not the script. Run by hand: bench_handoff -platform offscreen
#include "frmnamescript.h"
#include "savefakes.h"
#include "scripteditorhandoff.h"
#include "scriptsaver.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

class bench_HandOff : public QObject {
    Q_OBJECT

private slots:
    void handOff_data();
    void handOff();
};

void bench_HandOff::handOff_data()
{
    QTest::addColumn<int>("scriptBytes");
    for (int kib : { 1, 64, 1024, 8192 })
        QTest::addRow("%d KiB", kib) << kib * 1024;
}

void bench_HandOff::handOff()
{
    QFETCH(int, scriptBytes);

    FakeChooser chooser;
    RecordingReporter reporter;
    ScriptSaver saver(chooser, reporter);
    frmNameScript mainWindow(saver);
    ScriptEditorHandOff editorHandOff(mainWindow, saver);
    mainWindow.show();
    auto *editorButton = mainWindow.findChild<QPushButton *>(QStringLiteral("Command1"));
    editorButton->click();

    QString script;
    for (int i = 0; script.size() < scriptBytes; ++i)
        script += u"set name ^%1Frame%2\nwait 5\n"_qs.arg(i % 10).arg(i);
    QPlainTextEdit *editor = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == u"frmEditor")
            editor = window->findChild<QPlainTextEdit *>(QStringLiteral("txtEditor"));
    }
    editor->setPlainText(script);
    QCoreApplication::processEvents();

    QBENCHMARK { editorButton->click(); }
}

QTEST_MAIN(bench_HandOff)
#include "bench_handoff.moc"
