// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef MESSAGEBOXREPORTER_H
#define MESSAGEBOXREPORTER_H

#include "failurereporter.h"

// The program's way of telling the player about a failed save: a warning box.
class MessageBoxReporter : public FailureReporter {
public:
    void reportFailure(QWidget *parent, const QString &message) override;
};

#endif // MESSAGEBOXREPORTER_H
