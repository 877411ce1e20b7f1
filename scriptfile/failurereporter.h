// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef FAILUREREPORTER_H
#define FAILUREREPORTER_H

#include <QString>

class QWidget;

// Tells the player that a save or an open failed. Tests record the message instead of showing it.
class FailureReporter {
public:
    virtual ~FailureReporter() = default;

    virtual void reportFailure(QWidget *parent, const QString &message) = 0;
};

#endif // FAILUREREPORTER_H
