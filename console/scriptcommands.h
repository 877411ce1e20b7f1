// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SCRIPTCOMMANDS_H
#define SCRIPTCOMMANDS_H

#include "consolerules.h"

#include <QStringList>
#include <QStringView>

#include <cstddef>
#include <vector>

// The words of a command: a view of a list of words that lives as long as the command.
class CommandWords {
public:
    CommandWords() = default;
    CommandWords(const QStringView *begin, const QStringView *end)
        : m_begin(begin)
        , m_end(end)
    {
    }
    template <std::size_t size>
    CommandWords(const QStringView (&words)[size])
        : CommandWords(words, words + size)
    {
    }

    qsizetype size() const { return m_end - m_begin; }
    bool isEmpty() const { return m_begin == m_end; }
    const QStringView &operator[](qsizetype i) const { return m_begin[i]; }
    const QStringView &first() const { return *m_begin; }
    const QStringView *begin() const { return m_begin; }
    const QStringView *end() const { return m_end; }

private:
    const QStringView *m_begin = nullptr;
    const QStringView *m_end = nullptr;
};

// One console command of a script, as the console takes it from its buffer: views into the
// script's text, or into words the split had to rewrite.
struct ScriptCommand {
    QStringView text; // as the buffer hands it over, without separator; cut to the command limit
    CommandWords words; // as the console's tokenizer splits it; never empty
    int line = 1; // where it stands, counting from 1
    int column = 0; // where it starts on its line, counting from 0
    bool cut = false; // it was longer than a command may be
    bool splitAtHighByte = false; // a byte from 0x80 outside quotes separated its words
    // It reads as commented out but runs: it follows a // comment on its line after a ';' (the
    // buffer ends a command at the ';' whatever the comment), or it stands after a /* that its
    // own command did not close (the tokenizer skips a block comment within one command only).
    bool afterComment = false;
    bool inBlockComment = false;
};

// The commands of a text, whose words are kept together in one list: a script has thousands of
// short commands, and the split is the check's inner loop, so the lists are std::vector, whose
// appends check nothing but their room. The commands point into the words: a split can be moved,
// not copied.
struct ScriptCommands {
    ScriptCommands() = default;
    ScriptCommands(ScriptCommands &&) = default;
    ScriptCommands &operator=(ScriptCommands &&) = default;
    ScriptCommands(const ScriptCommands &) = delete;
    ScriptCommands &operator=(const ScriptCommands &) = delete;

    std::vector<QStringView> words;
    std::vector<ScriptCommand> commands;
    QStringList rewrittenWords; // words with \" in quotes, where it stands for a quote
};

// Splits text into commands as the console's buffer does, at CR, LF and ';' outside double
// quotes, and each command into words as its tokenizer does (see consolerules.h), by the game's
// rules. Commands without words are left out. Lines count from firstLine; a lone CR ends a line
// too.
ScriptCommands splitCommands(QStringView text, int firstLine = 1,
    const ConsoleRules::GameRules &rules = ConsoleRules::rulesOf(defaultGameVersion));

#endif // SCRIPTCOMMANDS_H
