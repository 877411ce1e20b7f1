// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SAVEFAKES_H
#define SAVEFAKES_H

#include "failurereporter.h"
#include "openfilechooser.h"
#include "savefilechooser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <functional>

// Writes a file of a folder tree, making its folders. True when all of it was written.
inline bool writeTreeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly)
        && file.write(bytes) == bytes.size();
}

// Stands in for the Save and Open dialogs: answers with a path set by the test, or cancels with an
// empty one. whileOpen runs as if the player did something while the dialog was open.
class FakeChooser : public SaveFileChooser, public OpenFileChooser {
public:
    QString chooseOpenPath(QWidget *parent) override { return chooseSavePath(parent); }
    bool confirmReplacingChanges(QWidget *) override
    {
        ++questions;
        return replaceChanges;
    }
    ChangesAnswer askToSaveChanges(QWidget *) override
    {
        ++saveQuestions;
        return changesAnswer;
    }

    QString chooseSavePath(QWidget *) override
    {
        ++calls;
        if (whileOpen)
            whileOpen();
        return path;
    }

    QString path;
    std::function<void()> whileOpen;
    int calls = 0;
    bool replaceChanges = true;
    int questions = 0;
    ChangesAnswer changesAnswer = ChangesAnswer::Cancel;
    int saveQuestions = 0;
};

// Records the failure messages a save would show.
class RecordingReporter : public FailureReporter {
public:
    void reportFailure(QWidget *, const QString &message) override { messages << message; }

    QStringList messages;
};

#endif // SAVEFAKES_H
