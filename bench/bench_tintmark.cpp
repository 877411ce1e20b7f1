// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a player waits for inside Tintmark, each beside a baseline measured in the same run: the
// hand-off into the editor as the script grows, the save beside plain file writes of the same
// bytes, the check beside splitting the script into lines, an animation beside checking the
// script it makes, opening a big script beside a bare editor given its text, and a keystroke in
// the name box with the preview kept on screen beside one in a bare line edit. run.sh runs it;
// by hand:
//   bench_tintmark -platform offscreen -iterations 100 -median 7 handOff
#include "animation/animation.h"
#include "app/scripteditorhandoff.h"
#include "cfgfile/cfgwriter.h"
#include "cfgfile/filetext.h"
#include "cfgfile/recoverycopy.h"
#include "checker/scriptchecker.h"
#include "composer/frmnamescript.h"
#include "console/consolerules.h"
#include "editor/frmeditor.h"
#include "editor/scripttemplate.h"
#include "fakedialogs.h"
#include "games/installedgames.h"
#include "installedletters.h"
#include "widgets/gamecolors.h"
#include "widgets/gameedition.h"
#include "widgets/gameletters.h"
#include "widgets/scriptopener.h"
#include "widgets/scriptsaver.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class bench_Tintmark : public QObject {
    Q_OBJECT

private slots:
    void handOff_data();
    void handOff();
    void save_data();
    void save();
    void check_data();
    void check();
    void animation_data();
    void animation();
    void openBig_data();
    void openBig();
    void keystroke_data();
    void keystroke();
    void firstPreview_data();
    void firstPreview();
};

namespace {

constexpr qsizetype kibibyte = 1024;
constexpr qsizetype mebibyte = 1024 * kibibyte;

// An animated name as players write it: many short set name lines with waits between.
QString animatedScript(qsizetype size)
{
    QString script;
    script.reserve(size + 64);
    for (int frame = 0; script.size() < size; ++frame)
        script += u"set name ^%1Tint^7mark%2\nwait 5\n"_s.arg(frame % 10).arg(frame);
    return script;
}

QPlainTextEdit *openEditorText()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == u"frmEditor" && window->isVisible())
            return window->findChild<QPlainTextEdit *>(QStringLiteral("txtEditor"));
    }
    return nullptr;
}

} // namespace

void bench_Tintmark::handOff_data()
{
    QTest::addColumn<qsizetype>("scriptSize");
    QTest::addColumn<QString>("name");
    QTest::newRow("1 KiB") << kibibyte << u"^1Tint^7mark"_s;
    QTest::newRow("1 MiB") << mebibyte << u"^1Tint^7mark"_s;
    QTest::newRow("8 MiB") << 8 * mebibyte << u"^1Tint^7mark"_s;
    // The command then ends in a space, which the line keeps when it wraps.
    QTest::newRow("8 MiB with an empty name") << 8 * mebibyte << QString();
}

void bench_Tintmark::handOff()
{
    QFETCH(qsizetype, scriptSize);
    QFETCH(QString, name);

    FakeDialogs dialogs;
    InstalledGames games { GameSearch() };
    GameEdition edition(games);
    ScriptSaver saver(dialogs, edition);
    ScriptOpener opener(dialogs, edition);
    GameColors colors;
    GameLetters letters(edition);
    frmNameScript mainWindow(saver, colors, letters);
    ScriptEditorHandOff editorHandOff(mainWindow, saver, opener, colors, letters);
    mainWindow.show();
    mainWindow.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(name);
    auto *editorButton = mainWindow.findChild<QPushButton *>(QStringLiteral("Command1"));
    editorButton->click();
    QPlainTextEdit *editor = openEditorText();
    QVERIFY(editor);
    // The player pastes a script over the template.
    editor->selectAll();
    editor->insertPlainText(animatedScript(scriptSize));
    QCoreApplication::processEvents();

    // As the player sees it: the command appended and the editor repainted.
    QBENCHMARK {
        editorButton->click();
        QCoreApplication::processEvents();
    }
}

void bench_Tintmark::save_data()
{
    QTest::addColumn<qsizetype>("textSize");
    QTest::addColumn<QString>("writer");
    // Interleaved, so that a slow spell of the disk falls on all of them alike.
    for (qsizetype size : { mebibyte, 8 * mebibyte }) {
        for (const char *writer : { "Tintmark", "plain QFile", "synced QFile", "QSaveFile" })
            QTest::addRow("%d MiB %s", int(size / mebibyte), writer) << size << QString(writer);
    }
}

void bench_Tintmark::save()
{
    QFETCH(qsizetype, textSize);
    QFETCH(QString, writer);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("animated.cfg"));
    const QString folderPath = folder.path();
    const QString text = animatedScript(textSize);
    const CfgWriter::TextSource takeText = [&] { return text; };
    QString error;
    QVERIFY2(CfgWriter::write(path, takeText, CodePage(), &error), qPrintable(error));
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    saved.close();

    // The baselines write the bytes that the save wrote: plainly; plainly and flushed to the disk;
    // and replaced atomically and flushed as the save does, the file and then its folder, which
    // is the least a save that never loses the old script costs.
    std::function<bool()> write;
    if (writer == u"Tintmark") {
        write = [&] { return CfgWriter::write(path, takeText, CodePage(), &error); };
    } else if (writer == u"plain QFile") {
        write = [&] {
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        };
    } else if (writer == u"synced QFile") {
        write = [&] {
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
                && file.flush() && fdatasync(file.handle()) == 0;
        };
    } else {
        write = [&] {
            QSaveFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()
                || !file.commit())
                return false;
            const int folder
                = open(QFile::encodeName(folderPath).constData(), O_RDONLY | O_DIRECTORY);
            const bool synced = folder >= 0 && fsync(folder) == 0;
            return close(folder) == 0 && synced;
        };
    }
    // Each writer starts with nothing left for the disk to write back from the rows before.
    sync();
    QBENCHMARK {
        QVERIFY(write());
    }
}

void bench_Tintmark::check_data()
{
    QTest::addColumn<bool>("checks");
    QTest::newRow("check and timeline") << true;
    QTest::newRow("split into lines") << false;
}

// A script as large as the game reads, checked with its timeline built, against splitting the
// same text into lines.
void bench_Tintmark::check()
{
    QFETCH(bool, checks);

    QString script;
    for (int frame = 0;; ++frame) {
        const QString lines
            = u"set name ^%1Tint^7mark%2\r\nwait 5\r\n"_s.arg(frame % 10).arg(frame);
        if (script.size() + lines.size() > ConsoleRules::rulesOf(defaultGameVersion).bufferBytes)
            break;
        script += lines;
    }
    if (checks) {
        QBENCHMARK {
            const ScriptCheck checked = ScriptChecker::check(script, 85);
            QVERIFY(!checked.run.nameChanges.isEmpty());
        }
    } else {
        QBENCHMARK {
            const QStringList lines = script.split(u'\n');
            QVERIFY(lines.size() > 1);
        }
    }
}

void bench_Tintmark::animation_data()
{
    QTest::addColumn<int>("effect");
    QTest::addColumn<bool>("makes");
    const std::pair<const char *, AnimationEffect> effects[] = {
        { "color cycle", AnimationEffect::ColorCycle },
        { "chase", AnimationEffect::Chase },
        { "typewriter", AnimationEffect::Typewriter },
        { "rainbow shift", AnimationEffect::RainbowShift },
        { "blink", AnimationEffect::Blink },
    };
    for (const auto &[name, effect] : effects) {
        QTest::addRow("%s", name) << int(effect) << true;
        // Qt Test's CSV does not quote a comma: the rows' names hold none.
        QTest::addRow("%s script checked", name) << int(effect) << false;
    }
}

// Every frame of an effect made, for a name of the game's longest, and played through the console
// model as the generator does, against checking the script it makes.
void bench_Tintmark::animation()
{
    QFETCH(int, effect);
    QFETCH(bool, makes);

    AnimationSettings settings;
    settings.name = u"^1T^2i^3n^4t^5m^6a^1r^2k^3P^4l!"_s;
    QCOMPARE(settings.name.size(), ConsoleRules::nameBytes);
    settings.colors = u"123456"_s;
    settings.effect = AnimationEffect(effect);
    // As the dialog offers it: the longest form whose frames the game keeps whole.
    settings = AnimationGenerator::shorterForm(settings);
    const Animation made = AnimationGenerator::generate(settings);
    QVERIFY2(made.problem.isEmpty(), qPrintable(made.problem));
    if (makes) {
        QBENCHMARK {
            QVERIFY(!AnimationGenerator::generate(settings).script.isEmpty());
        }
    } else {
        const QString script = fileTextOf(made.script);
        QBENCHMARK {
            QVERIFY(!ScriptChecker::check(script, 85).run.nameChanges.isEmpty());
        }
    }
}

void bench_Tintmark::openBig_data()
{
    QTest::addColumn<bool>("inTintmark");
    QTest::newRow("Tintmark") << true;
    QTest::newRow("bare") << false;
}

// A script of 8 MiB, as players paste them, opened once in the editor with the player window
// open, as Ctrl+O opens it, until the program is idle again; against a bare QPlainTextEdit of the
// same size given the same text. Each row is run in a process of its own, which run.sh times and
// measures for its peak memory.
void bench_Tintmark::openBig()
{
    QFETCH(bool, inTintmark);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("big.cfg"));
    QString error;
    QVERIFY2(CfgWriter::write(
                 path, [] { return animatedScript(8 * mebibyte); }, CodePage(), &error),
        qPrintable(error));

    FakeDialogs dialogs;
    dialogs.path = path;
    InstalledGames games { GameSearch() };
    GameEdition edition(games);
    ScriptSaver saver(dialogs, edition);
    ScriptOpener opener(dialogs, edition);
    RecoveryCopy recovery(folder.filePath(QStringLiteral("recovery")));
    GameColors colors;
    GameLetters letters(edition);
    frmEditor editor(saver, opener, recovery, colors, letters);
    if (inTintmark) {
        editor.show();
        editor.playScript();
        QCoreApplication::processEvents();
        QBENCHMARK_ONCE {
            editor.openScript();
            QCoreApplication::processEvents();
        }
        QVERIFY(dialogs.messages.isEmpty());
    } else {
        QPlainTextEdit bare;
        bare.resize(editor.findChild<QPlainTextEdit *>(QStringLiteral("txtEditor"))->size());
        bare.show();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromLatin1(file.readAll());
        file.close();
        QCoreApplication::processEvents();
        QBENCHMARK_ONCE {
            bare.setPlainText(text);
            QCoreApplication::processEvents();
        }
    }
}

void bench_Tintmark::keystroke_data()
{
    QTest::addColumn<bool>("inTintmark");
    QTest::addColumn<bool>("inGameLetters");
    QTest::newRow("Tintmark") << true << false;
    QTest::newRow("bare") << false << false;
    QTest::newRow("Tintmark in game letters") << true << true;
}

// The main window, without a game or with a COD 2 installed whose font is read before it is
// timed.
struct NameWindow {
    explicit NameWindow(bool inGameLetters)
        : installed(inGameLetters ? GameFiles::fontArchive() : QByteArray())
    {
    }

    FakeDialogs dialogs;
    InstalledLetters installed;
    ScriptSaver saver { dialogs, installed.edition };
    GameColors colors;
    frmNameScript window { saver, colors, installed.letters };
};

// A key typed into the name box and taken back, with the preview kept on screen, as the player
// sees it: the tooltip's preview and the kept preview follow each change. Against the same in a
// bare QLineEdit; and with a COD 2 installed, its font read, the previews in its letters.
void bench_Tintmark::keystroke()
{
    QFETCH(bool, inTintmark);
    QFETCH(bool, inGameLetters);

    NameWindow named(inGameLetters);
    QVERIFY(named.installed.read());
    frmNameScript &mainWindow = named.window;
    QLineEdit bare;
    QLineEdit *box = &bare;
    if (inTintmark) {
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        box = mainWindow.findChild<QLineEdit *>(QStringLiteral("Text1"));
        QTest::keyClick(box, Qt::Key_P, Qt::AltModifier);
        QVERIFY(mainWindow.findChild<QWidget *>(QStringLiteral("pinnedPreview")));
    } else {
        bare.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bare));
    }
    box->setText(u"^1Tint^7mark ^2Pl^3ay^4er"_s);
    box->setFocus();
    QCoreApplication::processEvents();
    QBENCHMARK {
        QTest::keyClick(box, Qt::Key_X);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCoreApplication::processEvents();
    }
}

void bench_Tintmark::firstPreview_data()
{
    QTest::addColumn<bool>("inGameLetters");
    QTest::newRow("desktop letters") << false;
    QTest::newRow("game letters") << true;
}

// The kept preview opened (Alt+P's action) until it has drawn and closed again, each time a new
// window, in the desktop's letters and in the letters of an installed COD 2 whose font has been
// read.
void bench_Tintmark::firstPreview()
{
    QFETCH(bool, inGameLetters);

    NameWindow named(inGameLetters);
    QVERIFY(named.installed.read());
    frmNameScript &mainWindow = named.window;
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
    auto *box = mainWindow.findChild<QLineEdit *>(QStringLiteral("Text1"));
    box->setText(u"^1Tint^7mark ^2Pl^3ay^4er"_s);
    QCoreApplication::processEvents();
    auto *pin = mainWindow.findChild<QAction *>(QStringLiteral("pinPreview"));
    QBENCHMARK {
        pin->trigger();
        auto *pinned = mainWindow.findChild<QWidget *>(QStringLiteral("pinnedPreview"));
        QVERIFY(QTest::qWaitForWindowExposed(pinned));
        QCoreApplication::processEvents();
        pinned->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

QTEST_MAIN(bench_Tintmark)
#include "bench_tintmark.moc"
