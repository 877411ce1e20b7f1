// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CONSOLERULES_H
#define CONSOLERULES_H

#include <QChar>
#include <QStringView>
#include <QtGlobal>

#include <initializer_list>

// How the games' console runs a script, as far as names and timing go: every rule the model
// follows, in one place, so that each is easy to check against the game and to change.
namespace ConsoleRules {

// The command buffer: text past this many bytes of a script is dropped.
constexpr qsizetype bufferBytes = 65'536;
// One command: bytes past this many are cut off.
constexpr qsizetype commandBytes = 4'095;
// A player name: the game keeps this many bytes, a color code counting two.
constexpr qsizetype nameBytes = 31;
// A color code is a caret and one of these digits.
constexpr bool isCodeDigit(QChar c) { return c >= u'0' && c <= u'9'; }
// What the game calls a player whose name is empty or only color codes.
inline constexpr QStringView unnamedPlayer = u"UnnamedPlayer";

// The console runs about two executor ticks per rendered frame; "wait N" pauses N ticks.
constexpr int ticksPerFrame = 2;
constexpr int defaultFramesPerSecond = 85;

// Commands that set a variable to the rest of the line.
inline constexpr std::initializer_list<QStringView> setCommands
    = { u"set", u"seta", u"sets", u"setu" };
// Variables the game knows without a script setting them: "name ^1Bob" sets the name.
inline constexpr std::initializer_list<QStringView> knownVariables = { u"name" };
// The commands the model follows or records by name; anything else is an unknown command.
inline constexpr std::initializer_list<QStringView> commands
    = { u"set", u"seta", u"sets", u"setu", u"wait", u"vstr", u"toggle", u"bind", u"exec", u"echo" };

// Characters the game removes from a name.
inline constexpr std::initializer_list<char16_t> removedFromNames = { u'"', u'\\' };
constexpr bool isRemovedFromNames(char16_t c)
{
    for (char16_t removed : removedFromNames) {
        if (c == removed)
            return true;
    }
    return false;
}

// The model's own bounds: it stops after this many commands or ticks.
constexpr int maximumCommands = 200'000;
constexpr qint64 maximumTicks = 10'000'000;

// True when word is the lower-case word given, in any case: the console ignores case in
// command and variable names.
constexpr bool isWord(QStringView word, QStringView lowerCase)
{
    if (word.size() != lowerCase.size())
        return false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        char16_t c = word[i].unicode();
        if (c >= u'A' && c <= u'Z')
            c += u'a' - u'A';
        if (c != lowerCase[i].unicode())
            return false;
    }
    return true;
}

constexpr bool isOneOf(QStringView word, std::initializer_list<QStringView> list)
{
    for (QStringView entry : list) {
        if (isWord(word, entry))
            return true;
    }
    return false;
}

} // namespace ConsoleRules

#endif // CONSOLERULES_H
