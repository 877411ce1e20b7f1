// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messageboxreporter.h"

#include <QCoreApplication>
#include <QMessageBox>

void MessageBoxReporter::reportFailure(QWidget *parent, const QString &message)
{
    QMessageBox::warning(
        parent, QCoreApplication::translate("MessageBoxReporter", "Tintmark"), message);
}
