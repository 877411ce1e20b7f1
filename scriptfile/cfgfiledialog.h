#ifndef CFGFILEDIALOG_H
#define CFGFILEDIALOG_H

#include "openfilechooser.h"
#include "savefilechooser.h"

// The program's dialogs for .cfg scripts: Save, Open, and the question before changes go.
class CfgFileDialog : public SaveFileChooser, public OpenFileChooser {
public:
    QString chooseSavePath(QWidget *parent) override;
    QString chooseOpenPath(QWidget *parent) override;
    bool confirmReplacingChanges(QWidget *parent) override;
};

#endif // CFGFILEDIALOG_H
