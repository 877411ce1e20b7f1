// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cfgfiledialog.h"

#include "games/installedgames.h"
#include "screenfit.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

const QString lastOpenedKey = QStringLiteral("files/lastFolder");
// Followed by the window's name: each window's saves go where its last one went.
const QString lastSavedKey = QStringLiteral("files/lastSaveFolder/");

QString windowName(QWidget *window) { return window ? window->window()->objectName() : QString(); }

// The places entries name each folder by its last part, and nearly every game's is "main": name
// them by their game too, again whenever the places list reads a folder anew.
void nameGamePlaces(QFileDialog &dialog, const QList<GameInstall> &games)
{
    auto *places = dialog.findChild<QListView *>(QStringLiteral("sidebar"));
    if (!places || !places->model())
        return;
    QAbstractItemModel *model = places->model();
    const auto rename = [model, games] {
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex index = model->index(row, 0);
            // The places list keeps each entry's folder in the role after Qt::UserRole.
            const QString folder = index.data(Qt::UserRole + 1).toUrl().toLocalFile();
            for (const GameInstall &game : games) {
                const QString name
                    = CfgFileDialog::tr("%1 %2", "a game, its folder")
                          .arg(GameNames::of(game.family()), QFileInfo(game.mainFolder).fileName());
                if (QDir(folder) == QDir(game.scriptFolder) && index.data().toString() != name)
                    model->setData(index, name, Qt::DisplayRole);
            }
        }
    };
    rename();
    QObject::connect(model, &QAbstractItemModel::dataChanged, &dialog, rename);
}

// Icons and types by name and kind alone: Qt's own provider reads a file's first bytes to tell
// its type, and a file whose read blocks (as in /proc) would hang the dialog. The kinds' icons
// are the style's: an icon theme may have none that Qt can read, and the places list would scale
// a null pixmap for each entry.
class NameOnlyIconProvider : public QFileIconProvider {
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo &info) const override
    {
        return icon(info.isDir() ? IconType::Folder : IconType::File);
    }
    QString type(const QFileInfo &info) const override
    {
        if (info.isDir())
            return CfgFileDialog::tr("Folder");
        return info.suffix().isEmpty() ? CfgFileDialog::tr("File")
                                       : CfgFileDialog::tr("%1 File").arg(info.suffix().toUpper());
    }
};

} // namespace

CfgFileDialog::CfgFileDialog(InstalledGames &games)
    : m_games(games)
{
}

void CfgFileDialog::prepare(QFileDialog &dialog, QWidget *parent)
{
    // Qt's own dialog on every system: the native ones cannot list the games' folders by name.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    static NameOnlyIconProvider icons;
    dialog.setIconProvider(&icons);
    const QList<GameInstall> &games = m_games.games();
    QList<QUrl> places = dialog.sidebarUrls();
    for (const GameInstall &game : games)
        places << QUrl::fromLocalFile(game.scriptFolder);
    dialog.setSidebarUrls(places);
    nameGamePlaces(dialog, games);

    // The game reads a script from its main folder: a save starts there whenever there is one.
    const bool saving = dialog.acceptMode() == QFileDialog::AcceptSave;
    const QString lastFolder
        = QSettings().value(saving ? lastSavedKey + windowName(parent) : lastOpenedKey).toString();
    if (saving && !games.isEmpty())
        dialog.setDirectory(games.first().scriptFolder);
    else if (!lastFolder.isEmpty() && QDir(lastFolder).exists())
        dialog.setDirectory(lastFolder);
    else if (!games.isEmpty())
        dialog.setDirectory(games.first().scriptFolder);
    else
        dialog.setDirectory(QDir::homePath());

    // Room for the places' names ("COD 2 main") and the file columns, within the screen.
    openWithinScreen(&dialog, dialog.sizeHint().expandedTo(QSize(820, 480)), parent);
    if (auto *splitter = dialog.findChild<QSplitter *>(QStringLiteral("splitter")))
        splitter->setSizes({ 200, 620 });
}

QString CfgFileDialog::chosenPath(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QString path = dialog.selectedFiles().value(0);
    // A save's folder is remembered once the save worked: one that failed, in /proc say, is no
    // place to start the next dialog.
    if (!path.isEmpty() && dialog.acceptMode() == QFileDialog::AcceptOpen)
        QSettings().setValue(lastOpenedKey, QFileInfo(path).absolutePath());
    return path;
}

void CfgFileDialog::rememberFolderOf(QWidget *window, const QString &path)
{
    QSettings().setValue(lastSavedKey + windowName(window), QFileInfo(path).absolutePath());
}

void CfgFileDialog::prepareSave(QFileDialog &dialog, QWidget *parent)
{
    // The games' exec adds ".cfg" to a name without an extension, so the dialog does too: the file
    // saved is the one exec runs, and the question before replacing a file names that file.
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The filter as the program has always written it, in every language.
    dialog.setNameFilter(QStringLiteral("Name CFG(*.cfg)"));
    dialog.setDefaultSuffix(QStringLiteral("cfg"));
    prepare(dialog, parent);
}

QString CfgFileDialog::chooseSavePath(QWidget *parent)
{
    // A fresh dialog each time, so the name field starts empty.
    QFileDialog dialog(parent);
    prepareSave(dialog, parent);
    return chosenPath(dialog);
}

QString CfgFileDialog::chooseSavePathElsewhere(QWidget *parent)
{
    QFileDialog dialog(parent);
    prepareSave(dialog, parent);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    dialog.setDirectory(QDir(documents).exists() ? documents : QDir::homePath());
    return chosenPath(dialog);
}

QString CfgFileDialog::chooseOpenPath(QWidget *parent)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Players also open config_mp.cfg and scripts saved under other names.
    dialog.setNameFilters({ QStringLiteral("Name CFG(*.cfg)"), tr("All files (*)") });
    prepare(dialog, parent);
    return chosenPath(dialog);
}

bool CfgFileDialog::confirmReplacingChanges(QWidget *parent)
{
    QMessageBox question(QMessageBox::Question, tr("Tintmark"),
        tr("The script has changes that are not saved. Open another script in its place and "
           "lose them?"),
        QMessageBox::Open | QMessageBox::Cancel, parent);
    question.setDefaultButton(QMessageBox::Cancel);
    question.button(QMessageBox::Open)->setText(tr("&Open"));
    question.button(QMessageBox::Cancel)->setText(tr("&Cancel"));
    return question.exec() == QMessageBox::Open;
}

PlayerDialogs::ChangesAnswer CfgFileDialog::askToSaveChanges(QWidget *parent, const QString &script)
{
    QMessageBox question(QMessageBox::Question, tr("Tintmark"),
        script.isEmpty() ? tr("Save changes to the new script?")
                         : tr("Save changes to %1?").arg(QFileInfo(script).fileName()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    question.setDefaultButton(QMessageBox::Save);
    // Keys for each answer, as the player reads them.
    question.button(QMessageBox::Save)->setText(tr("&Save"));
    question.button(QMessageBox::Discard)->setText(tr("&Discard"));
    question.button(QMessageBox::Cancel)->setText(tr("&Cancel"));
    switch (question.exec()) {
    case QMessageBox::Save:
        return ChangesAnswer::Save;
    case QMessageBox::Discard:
        return ChangesAnswer::Discard;
    default:
        return ChangesAnswer::Cancel;
    }
}

bool CfgFileDialog::confirmRecovering(QWidget *parent, const QDateTime &written)
{
    QMessageBox question(QMessageBox::Question, tr("Tintmark"),
        tr("Recover the unsaved script from %1?")
            .arg(QLocale().toString(written, QLocale::ShortFormat)),
        QMessageBox::NoButton, parent);
    QPushButton *recover = question.addButton(tr("&Recover"), QMessageBox::AcceptRole);
    question.addButton(tr("&Discard"), QMessageBox::DestructiveRole);
    question.setDefaultButton(recover);
    question.exec();
    return question.clickedButton() == recover;
}

bool CfgFileDialog::confirmOpeningLargeScript(QWidget *parent, const QString &path)
{
    QMessageBox question(QMessageBox::Question, tr("Tintmark"),
        tr("%1 is far larger than a script: the game reads at most 65,536 bytes of one. Open it "
           "all the same?")
            .arg(QDir::toNativeSeparators(path)),
        QMessageBox::Open | QMessageBox::Cancel, parent);
    question.setDefaultButton(QMessageBox::Cancel);
    question.button(QMessageBox::Open)->setText(tr("&Open"));
    question.button(QMessageBox::Cancel)->setText(tr("&Cancel"));
    return question.exec() == QMessageBox::Open;
}

bool CfgFileDialog::confirmReadingAsUtf8(
    QWidget *parent, const QString &path, CodePage codePage, const QStringList &respellings)
{
    QString question = tr("%1 was saved as UTF-8, but this edition of the game reads %2: it "
                          "shows each character such as \u00e9 as two (\u00c3\u00a9). Open it "
                          "as UTF-8, to save it again as the game reads it?")
                           .arg(QDir::toNativeSeparators(path), codePage.name());
    if (!respellings.isEmpty()) {
        question += u"\n\n"_s
            + tr("The edition has no letter for some of its characters; Tintmark spells them in "
                 "letters it has: %1.")
                  .arg(respellings.join(tr(", ")));
    }
    return QMessageBox::question(parent, tr("Tintmark"), question,
               QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

void CfgFileDialog::reportFailure(QWidget *parent, const QString &message)
{
    QMessageBox::warning(parent, tr("Tintmark"), message);
}

bool CfgFileDialog::offerSavingElsewhere(QWidget *parent, const QString &message)
{
    QMessageBox warning(
        QMessageBox::Warning, tr("Tintmark"), message, QMessageBox::NoButton, parent);
    warning.setInformativeText(tr("This folder cannot be written. Save the script in another "
                                  "one, such as your documents?"));
    QPushButton *elsewhere = warning.addButton(tr("Save &Elsewhere..."), QMessageBox::AcceptRole);
    warning.addButton(tr("&Cancel"), QMessageBox::RejectRole);
    warning.setDefaultButton(elsewhere);
    warning.exec();
    return warning.clickedButton() == elsewhere;
}
