#ifndef SAVEFAKES_H
#define SAVEFAKES_H

#include "savefailurereporter.h"
#include "savefilechooser.h"

#include <QStringList>

// Stands in for the Save dialog: answers with a path set by the test, or cancels with an empty one.
class FakeChooser : public SaveFileChooser {
public:
    QString chooseSavePath(QWidget *) override
    {
        ++calls;
        return path;
    }

    QString path;
    int calls = 0;
};

// Records the failure messages a save would show.
class RecordingReporter : public SaveFailureReporter {
public:
    void reportSaveFailure(QWidget *, const QString &message) override { messages << message; }

    QStringList messages;
};

#endif // SAVEFAKES_H
