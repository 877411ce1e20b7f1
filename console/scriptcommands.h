// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SCRIPTCOMMANDS_H
#define SCRIPTCOMMANDS_H

#include "consolerules.h"

#include <QList>
#include <QStringView>

#include <cstddef>

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
};

// The commands of a text, whose words are kept together in one list: a script has thousands of
// short commands. Copies share the lists, which nothing changes once they are made.
struct ScriptCommands {
    QList<QStringView> words;
    QList<ScriptCommand> commands;
    QStringList rewrittenWords; // words with \" in quotes, which stand for a quote
};

// Splits text into commands as the console's buffer does, at CR, LF and ';' outside double
// quotes, and each command into words as its tokenizer does (see consolerules.h). Commands without
// words are left out. Lines count from firstLine; a lone CR ends a line too.
ScriptCommands splitCommands(QStringView text, int firstLine = 1,
    qsizetype commandBytes = ConsoleRules::rulesOf(ConsoleRules::defaultGame).commandBytes);

#endif // SCRIPTCOMMANDS_H
