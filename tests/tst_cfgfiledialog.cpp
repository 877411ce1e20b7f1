// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/cfgfiledialog.h"
#include "fakedialogs.h"
#include "composer/frmnamescript.h"
#include "widgets/gamecolors.h"
#include "widgets/gameedition.h"
#include "widgets/gameletters.h"
#include "games/installedgames.h"
#include "widgets/scriptsaver.h"
#include "treefile.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;

// Drives the real Save dialog, as a player would.
class tst_CfgFileDialog : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void offersOneFilterAndAnEmptyName();
    void typedNameGetsTheExtensionExecAdds_data();
    void typedNameGetsTheExtensionExecAdds();
    void replacingAFileAsksFirst();
    void savesIntoTheGameAndSaysHowToRunIt();
    void savingElsewhereStartsInTheDocuments();
    void askingToSaveChangesNamesTheScript_data();
    void askingToSaveChangesNamesTheScript();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<InstalledGames> m_games; // none, unless a test makes some
};

namespace {

// Runs answer on the next modal widget of type T as soon as it is shown; exec() blocks the test
// until the dialog closes, so the answer comes from the event loop.
template <typename T> void whenModal(std::function<void(T *)> answer)
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
            dialog && dialog->isVisible()) {
            poll->deleteLater();
            poll->stop();
            answer(dialog);
        }
    });
    poll->start(10);
}

QLineEdit *nameField(QFileDialog *dialog)
{
    return dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
}

// Like a player who goes to a folder and types a name there.
void typeName(QFileDialog *dialog, const QString &folder, const QString &name)
{
    dialog->setDirectory(folder);
    QTest::keyClicks(nameField(dialog), name);
    QTest::keyClick(nameField(dialog), Qt::Key_Return);
}

} // namespace

void tst_CfgFileDialog::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // The dialogs remember their folder in the test's own settings.
    QCoreApplication::setOrganizationName(u"Tintmark"_s);
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir->filePath(u"config"_s));
    GameSearch search;
    search.home = m_dir->filePath(u"home"_s);
    m_games = std::make_unique<InstalledGames>(search);
}

void tst_CfgFileDialog::cleanup()
{
    // The dialogs and the notice go with the window they stood over; a tooltip once it fades.
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_CfgFileDialog::offersOneFilterAndAnEmptyName()
{
    // Each place in the dialog's list has an icon, though no icon theme is there.
    QTest::failOnWarning(QRegularExpression(u"null pixmap"_s));
    QStringList filters;
    QStringList shownFilters;
    QString name = u"<not shown>"_s;
    whenModal<QFileDialog>([&](QFileDialog *dialog) {
        filters = dialog->nameFilters();
        const auto *combo = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        for (int i = 0; i < combo->count(); ++i)
            shownFilters << combo->itemText(i);
        name = nameField(dialog)->text();
        dialog->reject();
    });
    CfgFileDialog chooser(*m_games);
    QVERIFY(chooser.chooseSavePath(nullptr).isEmpty());
    QCOMPARE(filters, QStringList { "Name CFG(*.cfg)" });
    QCOMPARE(shownFilters, QStringList { "Name CFG(*.cfg)" });
    QCOMPARE(name, QString());
}

// exec adds ".cfg" to a name without an extension, and only then.
void tst_CfgFileDialog::typedNameGetsTheExtensionExecAdds_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("no extension") << u"sniper"_s << u"sniper.cfg"_s;
    QTest::newRow(".cfg") << u"sniper.cfg"_s << u"sniper.cfg"_s;
    QTest::newRow("another extension") << u"sniper.txt"_s << u"sniper.txt"_s;
    QTest::newRow("a dot inside") << u"my.name"_s << u"my.name"_s;
}

void tst_CfgFileDialog::typedNameGetsTheExtensionExecAdds()
{
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    CfgFileDialog chooser(*m_games);
    whenModal<QFileDialog>([&](QFileDialog *dialog) { typeName(dialog, m_dir->path(), typed); });
    QCOMPARE(chooser.chooseSavePath(nullptr), m_dir->filePath(saved));

    // The next save starts with an empty name field again.
    QString name = u"<not shown>"_s;
    whenModal<QFileDialog>([&](QFileDialog *dialog) {
        name = nameField(dialog)->text();
        dialog->reject();
    });
    QVERIFY(chooser.chooseSavePath(nullptr).isEmpty());
    QCOMPARE(name, QString());
}

void tst_CfgFileDialog::replacingAFileAsksFirst()
{
    QFile existing(m_dir->filePath(u"old.cfg"_s));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();

    QStringList questions;
    const auto answerWith = [&](QMessageBox::StandardButton button) {
        return [&questions, button](QMessageBox *box) {
            questions << box->text();
            box->button(button)->click();
        };
    };
    whenModal<QFileDialog>([&](QFileDialog *dialog) {
        // Declined: the dialog stays open, and the player cancels it. The question names the
        // file that a name typed without its extension would replace.
        whenModal<QMessageBox>(answerWith(QMessageBox::No));
        typeName(dialog, m_dir->path(), u"old"_s);
        QVERIFY(dialog->isVisible());
        dialog->reject();
    });
    CfgFileDialog chooser(*m_games);
    QVERIFY(chooser.chooseSavePath(nullptr).isEmpty());
    QCOMPARE(questions.size(), 1);
    QVERIFY2(questions.first().contains(u"old.cfg"_s), qPrintable(questions.first()));

    whenModal<QFileDialog>([&](QFileDialog *dialog) {
        whenModal<QMessageBox>(answerWith(QMessageBox::Yes));
        typeName(dialog, m_dir->path(), u"old.cfg"_s);
    });
    QCOMPARE(chooser.chooseSavePath(nullptr), existing.fileName());
    QCOMPARE(questions.size(), 2);
}

// With COD 2 in a Steam library, a name typed in the main window's Save dialog, without choosing
// a folder, lands where the game's exec finds it, and the notice says what to type.
void tst_CfgFileDialog::savesIntoTheGameAndSaysHowToRunIt()
{
    const QString main
        = m_dir->filePath(u"home/.local/share/Steam/steamapps/common/Call of Duty 2/main"_s);
    QVERIFY(writeTreeFile(main + u"/iw_00.iwd"_s, {}));

    // The real dialogs, with the failures recorded instead of shown.
    struct RecordingDialogs : CfgFileDialog {
        using CfgFileDialog::CfgFileDialog;
        void reportFailure(QWidget *, const QString &message) override { messages << message; }
        QStringList messages;
    } chooser(*m_games);
    GameEdition edition(*m_games);
    ScriptSaver saver(chooser, edition);
    GameColors colors;
    GameLetters letters(edition);
    frmNameScript window(saver, colors, letters);
    window.show();
    window.findChild<QLineEdit *>(u"Text1"_s)->setText(u"^1Sniper"_s);
    QStringList places;
    QString startedIn;
    whenModal<QFileDialog>([&](QFileDialog *dialog) {
        const QAbstractItemModel *model = dialog->findChild<QListView *>(u"sidebar"_s)->model();
        for (int row = 0; row < model->rowCount(); ++row)
            places << model->index(row, 0).data().toString();
        startedIn = dialog->directory().absolutePath();
        QTest::keyClicks(nameField(dialog), u"sniper"_s);
        QTest::keyClick(nameField(dialog), Qt::Key_Return);
    });
    QTest::mouseClick(window.findChild<QPushButton *>(u"cmdSave"_s), Qt::LeftButton);
    QVERIFY2(places.contains(u"COD 2 main"_s), qPrintable(places.join(u", ")));
    QCOMPARE(startedIn, main);
    QFile saved(main + u"/sniper.cfg"_s);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("set name ^1Sniper\r\n"));
    auto *notice = window.findChild<QLabel *>(u"saveNotice"_s);
    QVERIFY(notice && notice->isVisible());
    QVERIFY2(notice->text().contains(u"type: /exec sniper.cfg"_s), qPrintable(notice->text()));
    QCOMPARE(chooser.messages, QStringList());
    // Its command copied, it says so.
    emit notice->linkActivated(u"copy"_s);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"/exec sniper.cfg"_s);
    QVERIFY2(notice->text().contains(u"Copied /exec sniper.cfg"_s), qPrintable(notice->text()));
    // The player's next key in the window ends the notice.
    QTest::keyClick(window.findChild<QLineEdit *>(u"Text1"_s), Qt::Key_X);
    QVERIFY(!notice->isVisible());

    // A save starts in the game's main folder, even after a save or an open elsewhere; an open
    // starts where the last script was opened.
    const auto startsIn = [&](bool saving) {
        whenModal<QFileDialog>([&](QFileDialog *dialog) {
            startedIn = dialog->directory().absolutePath();
            dialog->reject();
        });
        CfgFileDialog dialogs(*m_games);
        [&] {
            QVERIFY((saving ? dialogs.chooseSavePath(&window) : dialogs.chooseOpenPath(&window))
                        .isEmpty());
        }();
        return startedIn;
    };
    QVERIFY(writeTreeFile(m_dir->filePath(u"x.cfg"_s), "set name X\r\n"));
    chooser.rememberFolderOf(&window, m_dir->filePath(u"x.cfg"_s));
    QCOMPARE(startsIn(true), main);
    whenModal<QFileDialog>(
        [&](QFileDialog *dialog) { typeName(dialog, m_dir->path(), u"x.cfg"_s); });
    QCOMPARE(chooser.chooseOpenPath(&window), m_dir->filePath(u"x.cfg"_s));
    QCOMPARE(startsIn(false), m_dir->path());
    QCOMPARE(startsIn(true), main);
}

// After a folder that cannot be written, the offer to save elsewhere and the Save dialog in the
// player's documents.
void tst_CfgFileDialog::savingElsewhereStartsInTheDocuments()
{
    QString offered;
    whenModal<QMessageBox>([&](QMessageBox *box) {
        offered = box->text();
        box->defaultButton()->click();
    });
    CfgFileDialog dialogs(*m_games);
    QVERIFY(dialogs.offerSavingElsewhere(nullptr, u"Cannot save /gone/a.cfg"_s));
    QCOMPARE(offered, u"Cannot save /gone/a.cfg"_s);

    QString startedIn;
    whenModal<QFileDialog>([&](QFileDialog *dialog) {
        startedIn = dialog->directory().absolutePath();
        dialog->reject();
    });
    QVERIFY(dialogs.chooseSavePathElsewhere(nullptr).isEmpty());
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(startedIn, QDir(documents).exists() ? documents : QDir::homePath());
}

void tst_CfgFileDialog::askingToSaveChangesNamesTheScript_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("question");
    QTest::newRow("a new script") << QString() << u"Save changes to the new script?"_s;
    QTest::newRow("an opened script")
        << u"/home/player/cod2/main/animated.cfg"_s << u"Save changes to animated.cfg?"_s;
}

void tst_CfgFileDialog::askingToSaveChangesNamesTheScript()
{
    QFETCH(QString, script);
    QFETCH(QString, question);
    QString asked;
    whenModal<QMessageBox>([&](QMessageBox *box) {
        asked = box->text();
        box->button(QMessageBox::Cancel)->click();
    });
    CfgFileDialog dialogs(*m_games);
    QCOMPARE(dialogs.askToSaveChanges(nullptr, script), PlayerDialogs::ChangesAnswer::Cancel);
    QCOMPARE(asked, question);
}

QTEST_MAIN(tst_CfgFileDialog)
#include "tst_cfgfiledialog.moc"
