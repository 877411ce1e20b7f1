#ifndef MESSAGEBOXREPORTER_H
#define MESSAGEBOXREPORTER_H

#include "savefailurereporter.h"

// The program's way of telling the player about a failed save: a warning box.
class MessageBoxReporter : public SaveFailureReporter {
public:
    void reportSaveFailure(QWidget *parent, const QString &message) override;
};

#endif // MESSAGEBOXREPORTER_H
