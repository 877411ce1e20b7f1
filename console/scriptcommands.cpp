// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scriptcommands.h"

#include "consolerules.h"

using namespace Qt::StringLiterals;

namespace {

using ConsoleRules::isTokenSpace;

bool startsComment(const char16_t *at, const char16_t *end, const char16_t *commandStart)
{
    // "//" after a ':' is kept, so that addresses such as http://... survive.
    return at + 1 < end && at[0] == u'/' && at[1] == u'/' && (at == commandStart || at[-1] != u':');
}

bool startsBlockComment(const char16_t *at, const char16_t *end)
{
    return at + 1 < end && at[0] == u'/' && at[1] == u'*';
}

// What the tokenizer met in a command besides its words.
struct Tokenized {
    bool highByte = false; // a byte from 0x80 outside quotes separated words
    bool lineComment = false; // a // ended it
    bool openBlockComment = false; // a /* that it does not close ended it
};

// The words of one command, as the console's tokenizer finds them.
Tokenized tokenize(QStringView command, ScriptCommands &split, bool quoteEscapes)
{
    const char16_t *const begin = command.utf16();
    const char16_t *const end = begin + command.size();
    const char16_t *at = begin;
    Tokenized found;
    while (true) {
        const char16_t *const spaceStart = at;
        bool highByteInSpace = false;
        for (; at < end && isTokenSpace(*at); ++at)
            highByteInSpace = highByteInSpace || *at >= 0x80;
        // A no-break space typed alone between two words separates them as a space would, as
        // its writer meant; a letter such as é splits a word where nobody meant it to.
        const bool separatorAsMeant
            = at - spaceStart == 1 && spaceStart > begin && at < end && QChar::isSpace(*spaceStart);
        found.highByte = found.highByte || (highByteInSpace && !separatorAsMeant);
        if (at == end)
            return found;
        if (startsComment(at, end, begin)) {
            found.lineComment = true;
            return found;
        }
        if (startsBlockComment(at, end)) {
            at += 2;
            while (at + 1 < end && !(at[0] == u'*' && at[1] == u'/'))
                ++at;
            if (at + 1 >= end) {
                found.openBlockComment = true;
                return found;
            }
            at += 2;
            continue;
        }
        if (*at == u'"') {
            const char16_t *const start = ++at;
            bool escaped = false;
            while (at < end && *at != u'"') {
                if (quoteEscapes && *at == u'\\' && at + 1 < end && at[1] == u'"') {
                    escaped = true;
                    at += 2;
                } else {
                    ++at;
                }
            }
            const QStringView word(start, at - start);
            if (escaped) {
                split.rewrittenWords << word.toString().replace(u"\\\""_s, u"\""_s);
                split.words.emplace_back(split.rewrittenWords.constLast());
            } else {
                split.words.push_back(word);
            }
            if (at == end)
                return found;
            ++at;
            continue;
        }
        const char16_t *const start = at;
        while (at < end) {
            // Letters, digits and most signs only make the word longer.
            const char16_t c = *at;
            if (c > u'/' && c < 0x80) {
                ++at;
                continue;
            }
            if (isTokenSpace(c) || c == u'"' || startsComment(at, end, begin)
                || startsBlockComment(at, end))
                break;
            ++at;
        }
        split.words.emplace_back(start, at - start);
    }
}

} // namespace

ScriptCommands splitCommands(QStringView text, int firstLine, const ConsoleRules::GameRules &rules)
{
    ScriptCommands split;
    // Room for scripts as players write them, lines of a dozen or two characters: growing the
    // lists costs more than splitting.
    split.commands.reserve(text.size() / 16 + 1);
    split.words.reserve(text.size() / 6 + 1);
    std::vector<std::size_t> firstWords;
    firstWords.reserve(text.size() / 16 + 2);

    const char16_t *const characters = text.utf16();
    const qsizetype size = text.size();
    int line = firstLine;
    qsizetype lineStart = 0;
    qsizetype start = 0;
    bool commentOnLine = false; // a // ended a command before on this line
    bool inBlockComment = false; // a /* opened and not closed yet
    while (start <= size) {
        // The buffer hands over text up to a line break, or a ';' outside quotes. The quotes are
        // counted from where the command starts, comments or not.
        qsizetype i = start;
        bool quoted = false;
        for (; i < size; ++i) {
            const char16_t c = characters[i];
            if (c > u';')
                continue;
            if (c == u'"')
                quoted = !quoted;
            else if ((c == u';' && !quoted) || c == u'\n' || c == u'\r')
                break;
        }
        // A longer command is cut, the byte after the cut is lost, and the rest comes next.
        const bool cut = i - start > rules.commandBytes;
        const qsizetype end = cut ? start + rules.commandBytes : i;
        const QStringView command(characters + start, end - start);
        const std::size_t firstWord = split.words.size();
        const Tokenized tokenized = tokenize(command, split, rules.quoteEscapes);
        if (rules.wordsPastMostDropped
            && split.words.size() - firstWord > std::size_t(rules.mostWords))
            split.words.resize(firstWord + rules.mostWords);
        // The command that holds the */ that closes a block comment still reads as inside it.
        const bool insideBlock = inBlockComment;
        if (inBlockComment && command.contains(u"*/"))
            inBlockComment = false;
        if (split.words.size() > firstWord) {
            firstWords.push_back(firstWord);
            split.commands.push_back({ command, {}, line, int(start - lineStart), cut,
                tokenized.highByte, commentOnLine, insideBlock });
        }
        commentOnLine = commentOnLine || tokenized.lineComment;
        inBlockComment = inBlockComment || tokenized.openBlockComment;
        if (cut) {
            start = end + 1;
            continue;
        }
        if (i < size && (characters[i] == u'\n' || characters[i] == u'\r')) {
            // CR LF is one line end; a lone CR is one too.
            if (characters[i] == u'\r' && i + 1 < size && characters[i + 1] == u'\n')
                ++i;
            ++line;
            lineStart = i + 1;
            commentOnLine = false;
        }
        start = i + 1;
    }

    firstWords.push_back(split.words.size());
    for (std::size_t i = 0; i < split.commands.size(); ++i) {
        split.commands[i].words = CommandWords(
            split.words.data() + firstWords[i], split.words.data() + firstWords[i + 1]);
    }
    return split;
}
