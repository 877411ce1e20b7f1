// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamewords.h"

#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(GameFamily)

// The words each game knows, as its table lists them by the engine function that registers them:
// the first and the last word of every function are known, as the console knows them, in any case.
class tst_GameWords : public QObject {
    Q_OBJECT

private slots:
    void everyRegistrationFunctionIsKnown_data();
    void everyRegistrationFunctionIsKnown();
    void wordsTheConfigsUse_data();
    void wordsTheConfigsUse();
};

void tst_GameWords::everyRegistrationFunctionIsKnown_data()
{
    QTest::addColumn<GameFamily>("family");
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("variable");
    for (const auto &[family, table] : { std::pair { GameFamily::Cod2, "cod2" },
             std::pair { GameFamily::Cod, "cod" }, std::pair { GameFamily::CodUo, "uo" } }) {
        QFile file(u":/words/%1.tsv"_qs.arg(QLatin1String(table)));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        // word, kind, file, function: the first and the last row of each function.
        QHash<QString, std::pair<QStringList, QStringList>> byFunction;
        QStringList functions;
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).chopped(1);
            if (line.startsWith(u'#'))
                continue;
            const QStringList row = line.split(u'\t');
            const QString function = row[2] + u' ' + row[3];
            if (!byFunction.contains(function))
                functions << function;
            auto &[first, last] = byFunction[function];
            (first.isEmpty() ? first : last) = row;
        }
        QVERIFY2(functions.size() > 20, qPrintable(QString::number(functions.size())));
        for (const QString &function : std::as_const(functions)) {
            const auto &[first, last] = byFunction[function];
            for (const QStringList &row : { first, last }) {
                if (row.isEmpty())
                    continue;
                QTest::addRow("%s: %s of %s", table, qPrintable(row[0]), qPrintable(function))
                    << family << row[0] << (row[1] == u"variable");
            }
        }
    }
}

void tst_GameWords::everyRegistrationFunctionIsKnown()
{
    QFETCH(GameFamily, family);
    QFETCH(QString, word);
    QFETCH(bool, variable);
    const GameWords &words = GameWords::of(family);
    QCOMPARE(variable ? words.isVariable(word.toUpper()) : words.isCommand(word.toUpper()), true);
    QCOMPARE(words.nearestWord(word), std::nullopt);
}

// Words of the engines' registration functions that the hand-picked lists missed, and that real
// configs set; PunkBuster's are the console's to hand on, not the tables'.
void tst_GameWords::wordsTheConfigsUse_data()
{
    QTest::addColumn<GameFamily>("family");
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("variable");
    const auto cod2 = GameFamily::Cod2;
    const auto cod = GameFamily::Cod;
    QTest::newRow("COD 2: BG_RegisterDvars' jump_height") << cod2 << u"jump_height"_qs << true;
    QTest::newRow("COD 2: BG_RegisterDvars' player_backSpeedScale")
        << cod2 << u"player_backSpeedScale"_qs << true;
    QTest::newRow("COD 2: BG_RegisterDvars' friction") << cod2 << u"friction"_qs << true;
    QTest::newRow("COD 2: CL_InitInput's cl_nodelta") << cod2 << u"cl_nodelta"_qs << true;
    QTest::newRow("COD 2: SEH_InitLanguage's loc_language") << cod2 << u"loc_language"_qs << true;
    QTest::newRow("COD 2: FS_AddCommands' path") << cod2 << u"path"_qs << false;
    QTest::newRow("COD: SV_Init's rconPassword") << cod << u"rconpassword"_qs << true;
    QTest::newRow("COD: R_Register's r_gamma") << cod << u"r_gamma"_qs << true;
    QTest::newRow("COD: SV_AddOperatorCommands' map_restart") << cod << u"map_restart"_qs << false;
    QTest::newRow("United Offensive: CL_InitKeyCommands' +sprint")
        << GameFamily::CodUo << u"+sprint"_qs << false;
}

void tst_GameWords::wordsTheConfigsUse()
{
    QFETCH(GameFamily, family);
    QFETCH(QString, word);
    QFETCH(bool, variable);
    const GameWords &words = GameWords::of(family);
    QCOMPARE(variable ? words.isVariable(word) : words.isCommand(word), true);
}

QTEST_APPLESS_MAIN(tst_GameWords)
#include "tst_gamewords.moc"
