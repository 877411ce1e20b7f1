// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scriptcommands.h"

#include "consolerules.h"

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Words of one command: a word that starts with a quote runs to the next quote, which is
// removed; any other word ends at a blank or a quote.
void splitWords(QStringView command, QList<QStringView> &words)
{
    qsizetype i = 0;
    const qsizetype size = command.size();
    while (true) {
        while (i < size && isBlank(command[i]))
            ++i;
        if (i == size)
            return;
        if (command[i] == u'"') {
            const qsizetype start = ++i;
            while (i < size && command[i] != u'"')
                ++i;
            words << command.sliced(start, i - start);
            if (i < size)
                ++i;
        } else {
            const qsizetype start = i;
            while (i < size && !isBlank(command[i]) && command[i] != u'"')
                ++i;
            words << command.sliced(start, i - start);
        }
    }
}

} // namespace

ScriptCommands splitCommands(QStringView text, int firstLine)
{
    ScriptCommands split;
    // Where each command's words start in the list of words, until the list stops growing.
    QList<qsizetype> firstWords;
    // Room for scripts as players write them, lines of a dozen or two characters: growing the
    // lists costs more than splitting.
    split.commands.reserve(text.size() / 16 + 1);
    firstWords.reserve(text.size() / 16 + 2);
    split.words.reserve(text.size() / 6 + 1);

    // One pass splits both commands and their words: scripts are many short commands.
    const char16_t *const characters = text.utf16();
    const qsizetype size = text.size();
    int line = firstLine;
    qsizetype lineStart = 0;
    qsizetype start = 0; // of the command
    qsizetype wordStart = -1; // of the word being read; -1 between words
    qsizetype firstWord = 0; // the command's first word in the list
    bool quoted = false;

    const auto endWord = [&](qsizetype end) {
        if (wordStart >= 0)
            split.words.emplaceBack(characters + wordStart, end - wordStart);
        wordStart = -1;
    };
    const auto endCommand = [&](qsizetype end) {
        endWord(end);
        QStringView command(characters + start, end - start);
        const bool cut = command.size() > ConsoleRules::commandBytes;
        if (cut) {
            command.truncate(ConsoleRules::commandBytes);
            split.words.resize(firstWord);
            splitWords(command, split.words);
        }
        if (split.words.size() > firstWord) {
            firstWords << firstWord;
            split.commands.append({ command, {}, line, int(start - lineStart), cut });
        }
        firstWord = split.words.size();
        quoted = false;
    };

    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = characters[i];
        // Letters and most signs above ';' only make words longer.
        if (c > u';') {
            if (wordStart < 0)
                wordStart = i;
            continue;
        }
        switch (c) {
        case u'\r':
        case u'\n':
            endCommand(i);
            if (c == u'\r' && i + 1 < size && characters[i + 1] == u'\n')
                ++i;
            ++line;
            lineStart = start = i + 1;
            continue;
        case u'"':
            // A quote ends the word before it and starts a word that runs to the next quote.
            if (quoted) {
                split.words.emplaceBack(characters + wordStart, i - wordStart);
                wordStart = -1;
                quoted = false;
            } else {
                endWord(i);
                wordStart = i + 1;
                quoted = true;
            }
            continue;
        case u' ':
        case u'\t':
            if (!quoted)
                endWord(i);
            continue;
        case u';':
            if (!quoted) {
                endCommand(i);
                start = i + 1;
                continue;
            }
            break;
        case u'/':
            if (!quoted && i + 1 < size && characters[i + 1] == u'/') {
                // A comment runs to the end of the line, where the next command starts.
                endCommand(i);
                while (i + 1 < size && characters[i + 1] != u'\r' && characters[i + 1] != u'\n')
                    ++i;
                start = i + 1;
                continue;
            }
            break;
        default:
            break;
        }
        if (wordStart < 0)
            wordStart = i;
    }
    endCommand(size);

    firstWords << split.words.size();
    for (qsizetype i = 0; i < split.commands.size(); ++i) {
        split.commands[i].words = CommandWords(
            split.words.constData() + firstWords[i], split.words.constData() + firstWords[i + 1]);
    }
    return split;
}
