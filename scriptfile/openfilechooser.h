// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef OPENFILECHOOSER_H
#define OPENFILECHOOSER_H

#include <QString>

class QWidget;

// Asks the player which script to open, and whether changed text may go. Tests answer instead.
class OpenFileChooser {
public:
    enum class ChangesAnswer { Save, Discard, Cancel };

    virtual ~OpenFileChooser() = default;

    // The chosen path, or an empty string when the player cancelled.
    virtual QString chooseOpenPath(QWidget *parent) = 0;
    // True when the player agrees to replace text they changed and did not save.
    virtual bool confirmReplacingChanges(QWidget *parent) = 0;
    // Whether text the player changed is saved before its window closes, let go, or kept open.
    virtual ChangesAnswer askToSaveChanges(QWidget *parent) = 0;
};

#endif // OPENFILECHOOSER_H
