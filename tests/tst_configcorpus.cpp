// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cfgfile/cfgreader.h"
#include "findingrows.h"
#include "checker/scriptchecker.h"

#include <QFile>
#include <QMap>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(GameVersion)

// Real configs from players, movie makers, servers and mods of the three games, byte for byte as
// published (data/configs/sources.tsv says where from), checked as the game they are for: every
// warning and note a config gets is one a person read and judged true (data/configs/expected.tsv
// says why), so that a new rule or word list shows its effect on all of them.
class tst_ConfigCorpus : public QObject {
    Q_OBJECT

private slots:
    void findingsAreTheReviewedOnes_data();
    void findingsAreTheReviewedOnes();
};

namespace {

QList<QStringList> rowsOf(const QString &table)
{
    QFile file(table);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(table));
    QList<QStringList> rows;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        if (!line.isEmpty() && !line.startsWith(u'#'))
            rows << line.split(u'\t');
    }
    rows.removeFirst(); // the columns' names
    return rows;
}

} // namespace

void tst_ConfigCorpus::findingsAreTheReviewedOnes_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<GameVersion>("game");
    QTest::addColumn<QStringList>("warned");
    QTest::addColumn<QStringList>("noted");

    const QMap<QString, GameVersion> games { { u"cod2"_s, GameVersion::Cod2 },
        { u"cod1.1"_s, GameVersion::Cod11 }, { u"uo"_s, GameVersion::CodUo } };
    // file, kind@line, warning or note, and the reviewer's reason
    QMap<QString, std::pair<QStringList, QStringList>> reviewed;
    for (const QStringList &row : rowsOf(u":/configs/expected.tsv"_s)) {
        auto &[warned, noted] = reviewed[row[0]];
        (row[2] == u"note" ? noted : warned) << row[1];
    }
    for (const QStringList &source : rowsOf(u":/configs/sources.tsv"_s)) {
        QVERIFY2(games.contains(source[1]), qPrintable(source[1]));
        const auto &[warned, noted] = reviewed.value(source[0]);
        QTest::newRow(qPrintable(source[0]))
            << source[0] << games.value(source[1]) << warned << noted;
    }
}

void tst_ConfigCorpus::findingsAreTheReviewedOnes()
{
    QFETCH(QString, file);
    QFETCH(GameVersion, game);
    QFETCH(QStringList, warned);
    QFETCH(QStringList, noted);

    QString error;
    const std::optional<QString> text
        = CfgReader::read(u":/configs/"_s + file, CodePage(), &error);
    QVERIFY2(text, qPrintable(error));
    const ScriptCheck check = ScriptChecker::check(*text, 85, game);
    const QStringList warnedNow = findings(check.warnings);
    const QStringList notedNow = findings(check.notes);
    if (warnedNow != warned || notedNow != noted) {
        // What it finds now, as rows of the table, each to be read and judged before it goes in.
        for (const auto &[list, as] :
            { std::pair { &check.warnings, "warning" }, std::pair { &check.notes, "note" } }) {
            for (const ScriptWarning &each : *list)
                qInfo().noquote() << file + u'\t' + finding(each.kind, each.line) + u'\t'
                        + QLatin1String(as) + u'\t' + each.text;
        }
    }
    QCOMPARE(warnedNow.join(u' '), warned.join(u' '));
    QCOMPARE(notedNow.join(u' '), noted.join(u' '));
}

QTEST_APPLESS_MAIN(tst_ConfigCorpus)
#include "tst_configcorpus.moc"
