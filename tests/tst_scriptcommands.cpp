// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "console/consolerules.h"
#include "console/scriptcommands.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(GameVersion)

// A script split into commands and words as each game's command buffer and tokenizer split it.
class tst_ScriptCommands : public QObject {
    Q_OBJECT

private slots:
    void wordsAsEachGameTokenizes_data();
    void wordsAsEachGameTokenizes();
};

// COD 2's tokenizer reads \" in quotes as a quote and runs nothing of 512 words or more; COD
// 1.1's knows no escape and keeps the first 256 words of a command.
void tst_ScriptCommands::wordsAsEachGameTokenizes_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<GameVersion>("game");
    QTest::addColumn<QStringList>("words");
    const QString escaped = u"set name \"a\\\"b\""_s;
    QTest::newRow("COD 2: an escaped quote")
        << escaped << GameVersion::Cod2 << QStringList { "set", "name", "a\"b" };
    QTest::newRow("COD 1.1: the quote ends the word")
        << escaped << GameVersion::Cod11 << QStringList { "set", "name", "a\\", "b", "" };
    const QString words300 = u"echo"_s + QString(u" x"_s).repeated(299);
    QTest::newRow("COD 2: 300 words")
        << words300 << GameVersion::Cod2 << QStringList { "echo" } + QStringList(299, u"x"_s);
    QTest::newRow("COD 1.1: the first 256 of 300 words")
        << words300 << GameVersion::Cod11 << QStringList { "echo" } + QStringList(255, u"x"_s);
}

void tst_ScriptCommands::wordsAsEachGameTokenizes()
{
    QFETCH(QString, command);
    QFETCH(GameVersion, game);
    QFETCH(QStringList, words);
    const ScriptCommands split = splitCommands(command, 1, ConsoleRules::rulesOf(game));
    QStringList tokenized;
    for (const QStringView word : split.commands.front().words)
        tokenized << word.toString();
    QCOMPARE(tokenized, words);
}

QTEST_APPLESS_MAIN(tst_ScriptCommands)
#include "tst_scriptcommands.moc"
