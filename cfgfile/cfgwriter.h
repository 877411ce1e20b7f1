// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CFGWRITER_H
#define CFGWRITER_H

#include "codepage.h"

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

#include <functional>

// Writes a console script as the games read it: in the code page of the game's edition, no
// byte-order mark, and the characters fileTextOf() gives for the editor's text. The text goes to
// a temporary file that replaces the target only when complete, so a failed write leaves an
// existing script as it was.
class CfgWriter {
    Q_DECLARE_TR_FUNCTIONS(CfgWriter)

public:
    using TextSource = std::function<QString()>;

    // The writer encodes and writes a long script in pieces of this many characters.
    static constexpr qsizetype chunkCharacters = 512 * 1024;

    // Writes the text that takeText returns; it is called once the file is open, so the script
    // holds the text as it is at that moment. The text's line breaks are '\n', as Qt's text
    // widgets give them. On failure returns false and says why in errorString. head, when given,
    // receives the start of the file as the game reads it, its bytes in the code page: at most
    // headCharacters of them, and no more than chunkCharacters.
    static bool write(const QString &path, const TextSource &takeText, CodePage codePage,
        QString *errorString, QString *head = nullptr, qsizetype headCharacters = 0);
};

#endif // CFGWRITER_H
