#include "cfgfiledialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

QString CfgFileDialog::chooseSavePath(QWidget *parent)
{
    // A fresh dialog each time, so the name field starts empty. No default suffix: a name typed
    // without an extension is used as typed. QFileDialog asks before replacing a file.
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QCoreApplication::translate("CfgFileDialog", "Name CFG(*.cfg)"));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

QString CfgFileDialog::chooseOpenPath(QWidget *parent)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Players also open config_mp.cfg and scripts saved under other names.
    dialog.setNameFilters({ QCoreApplication::translate("CfgFileDialog", "Name CFG(*.cfg)"),
        QCoreApplication::translate("CfgFileDialog", "All files (*)") });
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

bool CfgFileDialog::confirmReplacingChanges(QWidget *parent)
{
    return QMessageBox::question(parent, QCoreApplication::translate("CfgFileDialog", "Tintmark"),
               QCoreApplication::translate("CfgFileDialog",
                   "The script has changes that are not saved. Open another script in its "
                   "place and lose them?"),
               QMessageBox::Open | QMessageBox::Cancel, QMessageBox::Cancel)
        == QMessageBox::Open;
}
