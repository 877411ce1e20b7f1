// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CFGREADER_H
#define CFGREADER_H

#include "codepage.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

// Reads a console script as the games read it: text in the code page of the game's edition, each
// byte one character.
class CfgReader {
    Q_DECLARE_TR_FUNCTIONS(CfgReader)

public:
    // The most a script file may hold, far beyond the 64 KiB any of the games reads of one.
    static constexpr qint64 largestFile = 64 * 1024 * 1024;

    // The file's text exactly, line ends as they stand. Only a regular file of at most
    // largestFile bytes is read, without blocking: a folder, a pipe, a device or a socket is
    // refused at once, as is a file that is not text, such as one that holds NUL bytes: nothing,
    // and errorString says why.
    static std::optional<QString> read(
        const QString &path, CodePage codePage, QString *errorString);

    // The text of a file as the editor holds it: '\n' between lines, without the one line end
    // that saving adds after the text, so that a script saved by Tintmark saves again byte for
    // byte.
    static QString editorText(QStringView fileText);

    // The file's text, read in codePage as the game reads it, holds characters from 0x80 that are
    // all UTF-8 sequences: it was saved as UTF-8, and the game shows each such character as two or
    // three
    // ("Ã©" for "é").
    static bool isSavedAsUtf8(QStringView fileText, CodePage codePage);
    // That text as the player wrote it.
    static QString fromUtf8(QStringView fileText, CodePage codePage);
};

#endif // CFGREADER_H
