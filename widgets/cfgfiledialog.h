// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CFGFILEDIALOG_H
#define CFGFILEDIALOG_H

#include "playerdialogs.h"

#include <QCoreApplication>

class InstalledGames;
class QFileDialog;

// The program's dialogs for .cfg scripts: Save, Open, the questions before changes go, and a
// warning box for a failure. The file dialogs list the games' main folders among their places
// A save starts in the main folder of the game found, else where the window's last save went;
// an open starts where the last script was opened.
class CfgFileDialog : public PlayerDialogs {
    Q_DECLARE_TR_FUNCTIONS(CfgFileDialog)

public:
    explicit CfgFileDialog(InstalledGames &games);

    QString chooseSavePath(QWidget *parent) override;
    QString chooseSavePathElsewhere(QWidget *parent) override;
    QString chooseOpenPath(QWidget *parent) override;
    bool confirmReplacingChanges(QWidget *parent) override;
    ChangesAnswer askToSaveChanges(QWidget *parent, const QString &script) override;
    void rememberFolderOf(QWidget *window, const QString &savedPath) override;
    bool confirmRecovering(QWidget *parent, const QDateTime &written) override;
    bool confirmOpeningLargeScript(QWidget *parent, const QString &path) override;
    bool confirmReadingAsUtf8(QWidget *parent, const QString &path, CodePage codePage,
        const QStringList &respellings) override;
    void reportFailure(QWidget *parent, const QString &message) override;
    bool offerSavingElsewhere(QWidget *parent, const QString &message) override;

private:
    // parent: the window whose save or open it is.
    void prepare(QFileDialog &dialog, QWidget *parent);
    void prepareSave(QFileDialog &dialog, QWidget *parent);
    QString chosenPath(QFileDialog &dialog);

    InstalledGames &m_games;
};

#endif // CFGFILEDIALOG_H
