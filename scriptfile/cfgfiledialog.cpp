#include "cfgfiledialog.h"

#include <QCoreApplication>
#include <QFileDialog>

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
