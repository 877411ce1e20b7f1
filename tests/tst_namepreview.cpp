// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cfgfile/codepage.h"
#include "console/colorruns.h"
#include "console/consolerun.h"
#include "installedletters.h"
#include "widgets/gamenameview.h"
#include "widgets/namepreview.h"

#include <QPainter>
#include <QSettings>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>

using namespace Qt::StringLiterals;

namespace {

// The team colors of the first allied nation, as the settings start.
const GamePalette americans = teamPalette(alliedNations().front());

} // namespace

class tst_NamePreview : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void previewShowsEveryCodeOnItsGround();
    void previewShowsWhatTheGameShows_data();
    void previewShowsWhatTheGameShows();
    void length_data();
    void length();
    void refusedCharacters_data();
    void refusedCharacters();
    void otherEditionsSeeTheSameBytes_data();
    void otherEditionsSeeTheSameBytes();
    void drawnInTheGameLetters_data();
    void drawnInTheGameLetters();

private:
    QTemporaryDir m_settings;
};

void tst_NamePreview::initTestCase()
{
    // The edition the player chose goes to the test's own settings.
    QVERIFY(m_settings.isValid());
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
}

// The preview as a rich-text view lays it out: each letter in its code's color, in a box of the
// dark ground that shows them all.
void tst_NamePreview::previewShowsEveryCodeOnItsGround()
{
    QTextDocument preview;
    preview.setHtml(NamePreview::html(
        NamePreview::judge(u"^0a^1b^2c^3d^4e^5f^6g^7h^8i^9j"_s, CodePage()), americans));
    const auto *table = qobject_cast<QTextTable *>(preview.rootFrame()->childFrames().value(0));
    QVERIFY(table);
    const QTextTableCell cell = table->cellAt(0, 0);
    QCOMPARE(table->format().background().color(), QColor(0x50, 0x50, 0x50));

    QStringList shown;
    for (QTextBlock block = cell.firstCursorPosition().block();
         block.isValid() && block.position() < cell.lastCursorPosition().position() + 1;
         block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            shown << fragment.fragment().text() + u' '
                    + fragment.fragment().charFormat().foreground().color().name();
        }
    }
    // The game drops ^0 from names: black never shows.
    QCOMPARE(shown,
        (QStringList { "a #ffffff", "b #ff0000", "c #00ff00", "d #ffff00", "e #0000ff", "f #00ffff",
            "g #ff00ff", "h #ffffff", "i #40bf40", "j #999999" }));
}

void tst_NamePreview::previewShowsWhatTheGameShows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("cutOff");

    QTest::newRow("37 bytes: the last 6 cut off") << QString(31, u'a') + u"^1BCDE"_s << u"^1BCDE"_s;
    QTest::newRow("32 bytes: a code at the cut goes whole")
        << QString(30, u'a') + u"^1B"_s << u"^1B"_s;
    QTest::newRow("a caret and a letter shows nothing") << u"^a"_s << QString();
    QTest::newRow("codes only") << u"^1^2"_s << QString();
    QTest::newRow("leading spaces and a trailing caret") << u"  ^1Bob^"_s << QString();
}

// The preview draws the name the player window shows for a script that sets it, and marks the
// end the game cuts off after it.
void tst_NamePreview::previewShowsWhatTheGameShows()
{
    QFETCH(QString, name);
    QFETCH(QString, cutOff);

    QTextDocument preview;
    preview.setHtml(NamePreview::html(NamePreview::judge(name, CodePage()), americans));
    const auto *table = qobject_cast<QTextTable *>(preview.rootFrame()->childFrames().value(0));
    QVERIFY(table);
    QString shown;
    QString struck;
    const QTextBlock block = table->cellAt(0, 0).firstCursorPosition().block();
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
        const bool cut = fragment.fragment().charFormat().fontStrikeOut();
        (cut ? struck : shown) += fragment.fragment().text();
    }
    const ConsoleRun run = runScript(u"set name \""_s + name + u'"');
    QCOMPARE(run.nameChanges.size(), 1);
    QString drawn; // what the player window draws of that name
    for (const ColorRun &colored : colorRuns(run.nameChanges.first().shown))
        drawn += colored.text;
    QCOMPARE(shown, drawn);
    QCOMPARE(struck, cutOff);
}

void tst_NamePreview::length_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("cutOff");

    QTest::newRow("empty") << u""_s << 0 << QString();
    QTest::newRow("codes count two each") << u"^1Pla^4yer"_s << 10 << QString();
    QTest::newRow("exactly the limit") << QString(31, u'a') << 31 << QString();
    QTest::newRow("one past the limit") << QString(31, u'a') + u"Z"_s << 32 << u"Z"_s;
    QTest::newRow("a code the cut would split goes whole")
        << QString(30, u'a') + u"^1Red"_s << 35 << u"^1Red"_s;
    QTest::newRow("one byte per Windows-1252 letter") << u"J\u00fcrgen\u20ac"_s << 7 << QString();
}

void tst_NamePreview::length()
{
    QFETCH(QString, name);
    QFETCH(int, length);
    QFETCH(QString, cutOff);

    const QString html = NamePreview::html(NamePreview::judge(name, CodePage()), americans);
    QVERIFY2(html.contains(u"<p>%1 / 31</p>"_s.arg(length)), qPrintable(html));
    QCOMPARE(html.contains(u"cuts off"_s), !cutOff.isEmpty());
    if (!cutOff.isEmpty())
        QVERIFY2(html.contains(u">%1</b>"_s.arg(cutOff)), qPrintable(html));
}

void tst_NamePreview::refusedCharacters_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("warning");

    QTest::newRow("none") << u"^1Player"_s << QString();
    // The preview shows the name the saved line sets: up to the ;, the // kept in quotes, and a
    // name typed in quotes without them.
    QTest::newRow("semicolon") << u"a;quit"_s << u">a</span></td>"_s;
    QTest::newRow("comment") << u"a//b"_s << u">a//b</span></td>"_s;
    QTest::newRow("quoted") << u"\"a\""_s << u">a</span></td>"_s;
    QTest::newRow("backslash and semicolon") << u"a\\b;"_s << u"refuse \\ in a name"_s;
    QTest::newRow("codes only") << u"^1^2"_s << u">UnnamedPlayer</span>"_s;
}

void tst_NamePreview::refusedCharacters()
{
    QFETCH(QString, name);
    QFETCH(QString, warning);

    const QString html = NamePreview::html(NamePreview::judge(name, CodePage()), americans);
    if (warning.isEmpty())
        QVERIFY2(!html.contains(u"refuse"_s), qPrintable(html));
    else
        QVERIFY2(html.contains(warning), qPrintable(html));
}

void tst_NamePreview::otherEditionsSeeTheSameBytes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<CodePage>("codePage");
    QTest::addColumn<QStringList>("elsewhere"); // what each other edition shows

    const CodePage russian = CodePage::Id::Cyrillic;
    QTest::newRow("Russian name, as Western and Polish players see it")
        << u"^1\u0421\u043d\u0430\u0439\u043f\u0435\u0440"_s << russian
        << QStringList { u"Western European: ^1\u00d1\u00ed\u00e0\u00e9\u00ef\u00e5\u00f0"_s,
               u"Central European: ^1\u0143\u00ed\u0155\u00e9\u010f\u013a\u0111"_s };
    QTest::newRow("Polish name, as Western players see it")
        << u"\u0141ukasz"_s << CodePage(CodePage::Id::CentralEuropean)
        << QStringList { u"Western European: \u00a3ukasz"_s, u"Cyrillic: \u0408ukasz"_s };
    QTest::newRow("ASCII reads the same everywhere") << u"^1Sniper"_s << russian << QStringList();
    QTest::newRow("a letter the edition lacks: no bytes to compare")
        << u"\u0141ukasz"_s << CodePage() << QStringList();
}

void tst_NamePreview::otherEditionsSeeTheSameBytes()
{
    QFETCH(QString, name);
    QFETCH(CodePage, codePage);
    QFETCH(QStringList, elsewhere);

    const JudgedName judged = NamePreview::judge(name, codePage);
    QStringList seen;
    for (const auto &[other, shown] : judged.elsewhere)
        seen << other.letters() + u": "_s + shown;
    QCOMPARE(seen, elsewhere);
    // The preview says it below the name, each in the colors the game draws.
    QTextDocument preview;
    preview.setHtml(NamePreview::html(judged, americans));
    for (const QString &line : std::as_const(elsewhere)) {
        QVERIFY2(preview.toPlainText().contains(
                     u"Players of editions with %1 letters see:"_s.arg(line.section(u':', 0, 0))),
            qPrintable(preview.toPlainText()));
    }
}

void tst_NamePreview::drawnInTheGameLetters_data() { InstalledLetters::addRows(); }

// The tooltip's preview: the name as an image of the game's glyphs once they are read, with a
// line that says so; as before without them.
void tst_NamePreview::drawnInTheGameLetters()
{
    QFETCH(QByteArray, archive);
    QFETCH(bool, inGameLetters);
    QFETCH(QString, note);

    InstalledLetters installed(archive);
    QVERIFY(installed.read());
    const JudgedName judged = NamePreview::judge(u"^1AA^2A"_s, CodePage());
    QString html = NamePreview::html(judged, americans, {}, &installed.letters);
    const QString line = u"<p><small>%1</small></p>"_s.arg(note.toHtmlEscaped());
    QCOMPARE(html.contains(line), !note.isEmpty());
    html.remove(line);
    if (!inGameLetters) {
        QCOMPARE(html, NamePreview::html(judged, americans));
        return;
    }
    const QString source = u"data:image/x-portable-pixmap;base64,"_s;
    const qsizetype start = html.indexOf(source) + source.size();
    QVERIFY(start >= source.size());
    const QImage shown = QImage::fromData(
        QByteArray::fromBase64(html.mid(start, html.indexOf(u'"', start) - start).toLatin1()));
    // On the preview's ground.
    const QImage name = installed.letters.drawing()->image(judged.name.shown, americans);
    QImage expected(name.size(), QImage::Format_RGB32);
    expected.fill(QColor(0x50, 0x50, 0x50));
    QPainter(&expected).drawImage(0, 0, name);
    QCOMPARE(shown.convertToFormat(QImage::Format_RGB32), expected);
    // Shown with the font's pixels doubled.
    QVERIFY(html.contains(u"width=\"%1\" height=\"%2\" src"_s.arg(name.width() * gameNameScale)
                              .arg(name.height() * gameNameScale)));
    QVERIFY(html.endsWith(NamePreview::detailsHtml(judged, americans)));
}

QTEST_MAIN(tst_NamePreview)
#include "tst_namepreview.moc"
