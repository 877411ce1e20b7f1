#ifndef CFGFILEDIALOG_H
#define CFGFILEDIALOG_H

#include "savefilechooser.h"

// The program's Save dialog for .cfg scripts.
class CfgFileDialog : public SaveFileChooser {
public:
    QString chooseSavePath(QWidget *parent) override;
};

#endif // CFGFILEDIALOG_H
