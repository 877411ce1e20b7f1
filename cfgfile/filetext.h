// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef FILETEXT_H
#define FILETEXT_H

#include <QString>

// The characters the game reads of a script the editor holds, as a save writes them: each '\n'
// a CR LF, and one more CR LF after the text. The player window, the checker's callers and the
// Insert Animation dialog judge this text, the one the game runs.
QString fileTextOf(QStringView editorText);

#endif // FILETEXT_H
