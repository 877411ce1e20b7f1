// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shownname.h"

#include "consolerules.h"

using namespace ConsoleRules;

namespace {

QStringList removedCharactersIn(QStringView name)
{
    QStringList removed;
    for (const char16_t c : removedFromNames) {
        if (name.contains(QChar(c)))
            removed << QString(QChar(c));
    }
    return removed;
}

// The output of the cleaning: the name itself as long as nothing is left out, a copy from the
// first character that is. Most names lose nothing and are not copied.
class CleanedName {
public:
    explicit CleanedName(const QString &name)
        : m_name(name)
    {
    }

    qsizetype size() const { return m_size; }
    void keep(qsizetype i)
    {
        if (m_copy.isNull() && i != m_size) {
            m_copy = QString(m_name.size(), Qt::Uninitialized);
            std::copy_n(m_name.constData(), m_size, m_copy.data());
        }
        if (!m_copy.isNull())
            m_copy[m_size] = m_name[i];
        ++m_size;
    }
    QString text() const
    {
        if (m_copy.isNull())
            return m_size == m_name.size() ? m_name : m_name.first(m_size);
        return m_copy.first(m_size);
    }

private:
    const QString &m_name;
    QString m_copy;
    qsizetype m_size = 0;
};

// The games' ClientCleanName (voron00/CoD2rev_Server src/game/g_client_mp.cpp; for COD,
// PrawyCoD1/opencod1 src/game_mp/g_client_mp.c, RTCW's), rule by rule, on the name as the
// userinfo string carries it: Info_SetValueForKey has taken out ';', '"' and '\' (COD 2, and COD
// 1.1 alike: opencod1 src/universal/q_shared.c). Leading spaces go; a caret takes the next
// character with it, whatever it is, as a code that the cut never splits, or drops both when the
// code is black; a caret that ends the name is dropped; spaces after the third in a row go, and
// codes between them do not break the row; 31 bytes are kept, and a name without a character
// outside codes is "UnnamedPlayer".
// Whether the cleaning leaves name as it is: within the cut, nothing removed, no leading space, no
// fourth space in a row, every caret followed by a code that stays, and a letter outside the codes.
// Most names are such, and a script sets hundreds of them.
bool keptWhole(const QString &name, const GameRules &rules)
{
    if (name.size() > nameBytes - 1 || name.startsWith(u' '))
        return false;
    const QChar *const characters = name.constData();
    const qsizetype size = name.size();
    qsizetype spaces = 0;
    bool letter = false;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = characters[i].unicode();
        if (c == u'^') {
            if (++i == size || isRemovedFromNames(characters[i].unicode())
                || dropsColorCode(rules, characters[i]))
                return false;
            continue;
        }
        if (isRemovedFromNames(c))
            return false;
        spaces = c == u' ' ? spaces + 1 : 0;
        if (spaces > spacesInARow)
            return false;
        letter = true;
    }
    return letter;
}

} // namespace

ShownName ShownName::of(const QString &name, GameVersion game)
{
    const GameRules rules = rulesOf(game);
    ShownName result;
    if (keptWhole(name, rules)) {
        result.shown = result.cleaned = name;
        return result;
    }
    CleanedName cleaned(name);
    qsizetype kept = -1; // the size the cut keeps, once the cut is reached
    qsizetype keptLetters = 0; // characters outside codes within the cut
    qsizetype spaces = 0;
    bool removed = false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        if (isRemovedFromNames(c.unicode())) {
            removed = true;
            continue;
        }
        if (c == u' ' && cleaned.size() == 0)
            continue;
        if (c == u'^') {
            qsizetype next = i + 1;
            while (next < name.size() && isRemovedFromNames(name[next].unicode())) {
                removed = true;
                ++next;
            }
            if (next == name.size())
                break;
            if (!dropsColorCode(rules, name[next])) {
                if (kept < 0 && cleaned.size() > nameBytes - 2)
                    kept = cleaned.size();
                cleaned.keep(i);
                cleaned.keep(next);
            }
            i = next;
            continue;
        }
        if (c == u' ') {
            if (++spaces > spacesInARow)
                continue;
        } else {
            spaces = 0;
        }
        if (kept < 0 && cleaned.size() > nameBytes - 1)
            kept = cleaned.size();
        if (kept < 0)
            ++keptLetters;
        cleaned.keep(i);
    }
    result.cleaned = cleaned.text();
    result.shown = kept < 0 ? result.cleaned : result.cleaned.first(kept);
    if (kept >= 0)
        result.cutOff = result.cleaned.sliced(kept);
    if (keptLetters == 0)
        result.shown = unnamedPlayer.toString();
    if (removed)
        result.removed = removedCharactersIn(name);
    return result;
}
