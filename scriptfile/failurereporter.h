#ifndef SAVEFAILUREREPORTER_H
#define SAVEFAILUREREPORTER_H

#include <QString>

class QWidget;

// Tells the player that a save failed. Tests record the message instead of showing it.
class SaveFailureReporter {
public:
    virtual ~SaveFailureReporter() = default;

    virtual void reportSaveFailure(QWidget *parent, const QString &message) = 0;
};

#endif // SAVEFAILUREREPORTER_H
