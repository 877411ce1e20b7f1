// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef FAKEDIALOGS_H
#define FAKEDIALOGS_H

#include "widgets/playerdialogs.h"

#include <QStringList>

#include <functional>

// Stands in for the program's dialogs: the Save and Open dialogs answer with a path set by the
// test, or cancel with an empty one; the questions answer as the test says; failures are
// recorded instead of shown. whileOpen runs as if the player did something while a file dialog
// was open.
class FakeDialogs : public PlayerDialogs {
public:
    QString chooseOpenPath(QWidget *parent) override { return chooseSavePath(parent); }
    bool confirmReplacingChanges(QWidget *) override
    {
        ++questions;
        return replaceChanges;
    }
    bool confirmOpeningLargeScript(QWidget *, const QString &) override
    {
        ++largeQuestions;
        return openLarge;
    }
    bool confirmRecovering(QWidget *, const QDateTime &) override
    {
        ++recoverQuestions;
        return recover;
    }
    ChangesAnswer askToSaveChanges(QWidget *, const QString &script) override
    {
        ++saveQuestions;
        changedScript = script;
        return changesAnswer;
    }
    QString chooseSavePath(QWidget *) override
    {
        ++calls;
        if (whileOpen)
            whileOpen();
        return path;
    }
    bool confirmReadingAsUtf8(
        QWidget *, const QString &, CodePage, const QStringList &respellings) override
    {
        ++utf8Questions;
        utf8Respellings = respellings;
        return readAsUtf8;
    }
    void reportFailure(QWidget *, const QString &message) override { messages << message; }
    bool offerSavingElsewhere(QWidget *, const QString &message) override
    {
        messages << message;
        return !elsewherePath.isEmpty();
    }
    QString chooseSavePathElsewhere(QWidget *) override
    {
        ++elsewhereCalls;
        return elsewherePath;
    }

    QString path;
    int recoverQuestions = 0;
    int largeQuestions = 0;
    bool openLarge = true;
    bool recover = true;
    std::function<void()> whileOpen;
    int calls = 0;
    bool replaceChanges = true;
    int questions = 0;
    ChangesAnswer changesAnswer = ChangesAnswer::Cancel;
    int saveQuestions = 0;
    QString changedScript; // the script the last question named
    bool readAsUtf8 = false;
    int utf8Questions = 0;
    QStringList utf8Respellings;
    QStringList messages; // the failures the player would be shown
    // After a folder that cannot be written, where the player saves instead; none when they
    // cancel the offer to.
    QString elsewherePath;
    int elsewhereCalls = 0;
};

#endif // FAKEDIALOGS_H
