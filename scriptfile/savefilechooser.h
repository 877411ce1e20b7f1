// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SAVEFILECHOOSER_H
#define SAVEFILECHOOSER_H

#include <QString>

class QWidget;

// Asks the player where a script goes. Tests put their own chooser in place of the dialog.
class SaveFileChooser {
public:
    virtual ~SaveFileChooser() = default;

    // The chosen path, or an empty string when the player cancelled.
    virtual QString chooseSavePath(QWidget *parent) = 0;
};

#endif // SAVEFILECHOOSER_H
