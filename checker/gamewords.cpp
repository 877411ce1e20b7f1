// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamewords.h"

#include "console/consolerules.h"

#include <QFile>
#include <QVarLengthArray>
#include <QtAlgorithms>

#include <algorithm>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

// The edits (a letter added, dropped, changed, or two neighbours swapped) between two lower-case
// words, or more than most once it is sure to be more: three rows of the table at a time.
qsizetype editsBetween(QStringView a, QStringView b, qsizetype most)
{
    QVarLengthArray<qsizetype, 64> beforeLast(b.size() + 1), last(b.size() + 1), row(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        last[j] = j;
    for (qsizetype i = 1; i <= a.size(); ++i) {
        row[0] = i;
        qsizetype fewestInRow = row[0];
        for (qsizetype j = 1; j <= b.size(); ++j) {
            row[j]
                = std::min({ last[j] + 1, row[j - 1] + 1, last[j - 1] + (a[i - 1] != b[j - 1]) });
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                row[j] = std::min(row[j], beforeLast[j - 2] + 1);
            fewestInRow = std::min(fewestInRow, row[j]);
        }
        if (fewestInRow > most)
            return most + 1;
        std::swap(beforeLast, last);
        std::swap(last, row);
    }
    return last[b.size()];
}

// The characters a word holds, a bit for each (folded onto 64): an edit adds one character to
// a word at most, so words with more unshared characters than edits are too far apart.
quint64 charactersOf(QStringView word)
{
    quint64 characters = 0;
    for (const QChar c : word)
        characters |= quint64(1) << (c.unicode() % 64);
    return characters;
}

// Of words and their lower-case forms, the one nearest word.
std::optional<QString> nearestIn(QStringView word,
    std::initializer_list<std::pair<const QStringList *, const QStringList *>> lists)
{
    const QString lower = word.toString().toLower();
    const quint64 characters = charactersOf(lower);
    qsizetype fewest = word.size() <= 8 ? 1 : 2;
    std::optional<QString> nearest;
    for (const auto &[words, lowerWords] : lists) {
        for (qsizetype i = 0; i < lowerWords->size(); ++i) {
            const QString &known = lowerWords->at(i);
            // Each edit changes the length by one at most: most words are too far for any.
            if (std::abs(lower.size() - known.size()) > fewest)
                continue;
            const quint64 knownCharacters = charactersOf(known);
            if (qPopulationCount(characters & ~knownCharacters) > fewest
                || qPopulationCount(knownCharacters & ~characters) > fewest)
                continue;
            if (const qsizetype edits = editsBetween(lower, known, fewest);
                edits < fewest || (edits == fewest && !nearest)) {
                fewest = edits;
                nearest = words->at(i);
            }
        }
    }
    return nearest;
}

} // namespace

GameWords::GameWords(const QString &table)
{
    QFile file(table);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("The checker's word table %s is not built in", qPrintable(table));
    const QByteArray rows = file.readAll();
    QSet<QString> commands;
    QSet<QString> variables;
    for (qsizetype start = 0, end = 0; start < rows.size(); start = end + 1) {
        end = rows.indexOf('\n', start);
        if (end < 0)
            end = rows.size();
        // word, kind, where registered, by what: the last two are for the reader of the table.
        const QByteArrayView row = QByteArrayView(rows).sliced(start, end - start);
        if (row.isEmpty() || row.startsWith('#'))
            continue;
        const qsizetype tab = row.indexOf('\t');
        const QString word = QString::fromLatin1(row.first(tab));
        const bool variable = row.sliced(tab + 1).startsWith("variable");
        QStringList &words = variable ? m_variables : m_commands;
        QStringList &lowerWords = variable ? m_lowerVariableList : m_lowerCommandList;
        QSet<QString> &lowerCase = variable ? m_lowerVariables : m_lowerCommands;
        const QString lower = word.toLower();
        if (!lowerCase.contains(lower)) {
            words << word;
            lowerWords << lower;
            lowerCase.insert(lower);
        }
    }
}

const GameWords &GameWords::of(GameFamily family)
{
    // Made from every registration call of the engines' rebuilds by checker/words/extract.py;
    // read at the first check, not at start.
    switch (family) {
    case GameFamily::Cod2: {
        static const GameWords cod2(u":/words/cod2.tsv"_s);
        return cod2;
    }
    case GameFamily::CodUo: {
        static const GameWords unitedOffensive(u":/words/uo.tsv"_s);
        return unitedOffensive;
    }
    case GameFamily::Cod:
        break;
    }
    static const GameWords cod(u":/words/cod.tsv"_s);
    return cod;
}

bool GameWords::isCommand(QStringView word) const
{
    return m_lowerCommands.contains(word.toString().toLower());
}

bool GameWords::isVariable(QStringView word) const
{
    return m_lowerVariables.contains(word.toString().toLower());
}

std::optional<QString> GameWords::nearestWord(QStringView word) const
{
    if (isCommand(word) || isVariable(word))
        return std::nullopt;
    return nearestIn(
        word, { { &m_commands, &m_lowerCommandList }, { &m_variables, &m_lowerVariableList } });
}

std::optional<QString> GameWords::nearestVariable(QStringView word) const
{
    if (isVariable(word))
        return std::nullopt;
    return nearestIn(word, { { &m_variables, &m_lowerVariableList } });
}
