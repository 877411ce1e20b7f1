// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clippedlabels.h"
#include "cfgfile/codepage.h"
#include "widgets/colorswatch.h"
#include "fakedialogs.h"
#include "widgets/fixedlayout.h"
#include "composer/frmnamescript.h"
#include "widgets/gamecolors.h"
#include "widgets/gameedition.h"
#include "widgets/gameletters.h"
#include "widgets/gamenameview.h"
#include "games/installedgames.h"
#include "widgets/scriptsaver.h"
#include "treefile.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {

// The text colors of a rich-text preview, in order.
QStringList colorsIn(const QString &html)
{
    QStringList colors;
    static const QRegularExpression color(QStringLiteral("color:(#[0-9a-f]{6})"));
    for (const QRegularExpressionMatch &match : color.globalMatch(html))
        colors << match.captured(1);
    return colors;
}

} // namespace

class tst_frmNameScript : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void windowGeometry();
    void layout_data();
    void layout();
    void codeLabelFont();
    void labelsShowTheirWholeText();
    void tabOrder();
    void nameBoxStartsEnabledAndEmpty();
    void swatchClicks_data();
    void swatchClicks();
    void swatchAppendsAtEndWhateverTheCaret();
    void swatchClickLeavesTheFocusInTheNameBox();
    void swatchRefusesCodeThatDoesNotFit_data();
    void swatchRefusesCodeThatDoesNotFit();
    void typingStopsAt100Characters();
    void aRefusedCharacterIsSaid();
    void altSSavesTheLine();
    void savesWhatTheGameSets_data();
    void savesWhatTheGameSets();
    void namesInTheEditionsLetters_data();
    void namesInTheEditionsLetters();
    void enterAndEscapePressNothing();
    void cancelIsSilent();
    void savesTheNameAsItIsOnceTheDialogCloses();
    void savesANameLongerThanTheGameKeeps_data();
    void savesANameLongerThanTheGameKeeps();
    void failedSaveWarnsAndNextSaveWorks();
    void aFolderThatCannotBeWrittenOffersToSaveElsewhere_data();
    void aFolderThatCannotBeWrittenOffersToSaveElsewhere();
    void closingEndsTheProgram();
    void tooltipPreviewsTheName();
    void swatchClickShowsThePreview();
    void nameMenuOffersTheGamesNames();
    void nameMenuSaysWhyItOffersNoName_data();
    void nameMenuSaysWhyItOffersNoName();
    void spaceOnAFocusedSwatchAppendsItsCode();
    void pastedCommandGivesItsName_data();
    void pastedCommandGivesItsName();
    void pasteLongerThanTheBoxSaysWhereItIsCut_data();
    void pasteLongerThanTheBoxSaysWhereItIsCut();
    void shiftClickColorsTheSelection_data();
    void shiftClickColorsTheSelection();
    void pinnedPreviewFollowsTheName();
    void wholeNameColoredInThePickedColors_data();
    void wholeNameColoredInThePickedColors();
    void accessibleNames_data();
    void accessibleNames();

private:
    template <typename T = QWidget> T *control(const char *name) const
    {
        return m_window->findChild<T *>(QLatin1String(name));
    }
    QLineEdit *nameBox() const { return control<QLineEdit>("Text1"); }
    QByteArray savedBytes() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    FakeDialogs m_dialogs;
    std::unique_ptr<InstalledGames> m_games;
    std::unique_ptr<GameEdition> m_edition;
    GameColors m_colors;
    std::unique_ptr<ScriptSaver> m_saver;
    std::unique_ptr<GameLetters> m_letters;
    std::unique_ptr<frmNameScript> m_window;
    QTemporaryDir m_settings;
};

void tst_frmNameScript::initTestCase()
{
    // The recent scripts, the folders and the team colors go to the test's own settings.
    QVERIFY(m_settings.isValid());
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
}

void tst_frmNameScript::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_dialogs = {};
    // The games' folders stand in the test's own folder, which holds none to begin with.
    GameSearch search;
    search.home = m_dir->path();
    search.winePrefixes = { m_dir->filePath(u".wine"_s) };
    m_games = std::make_unique<InstalledGames>(search);
    m_edition = std::make_unique<GameEdition>(*m_games);
    m_saver = std::make_unique<ScriptSaver>(m_dialogs, *m_edition);
    m_letters = std::make_unique<GameLetters>(*m_edition);
    m_window = std::make_unique<frmNameScript>(*m_saver, m_colors, *m_letters);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void tst_frmNameScript::cleanup()
{
    m_window.reset();
    // A preview tooltip goes once it has faded out.
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

QByteArray tst_frmNameScript::savedBytes() const
{
    QFile file(m_dialogs.path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void tst_frmNameScript::windowGeometry()
{
    QCOMPARE(m_window->windowTitle(), u"Tintmark for COD 2 and COD"_s);
    // The layout's area keeps its size below the menu bar; the window is of fixed size.
    const QWidget *client = control("clientArea");
    const QWidget *menuBar = control("menuBar");
    QCOMPARE(client->size(), QSize(664, 109));
    QCOMPARE(client->pos(), QPoint(0, menuBar->height()));
    // The layout's area where its layout puts it, the menu bar above it.
    QCOMPARE(client->mapToGlobal(QPoint(0, 0)), QPoint(232, 342));
    QCOMPARE(
        m_window->geometry(), QRect(232, 342 - menuBar->height(), 664, 109 + menuBar->height()));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
}

void tst_frmNameScript::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("fill");

    const auto add = [](const char *name, const QString &text, QColor fill = {}) {
        QTest::newRow(name) << QString::fromLatin1(name) << text << fill;
    };
    add("Text1", u""_s);
    add("Command1", u"CFG &Editor"_s);
    add("cmdSave", u"&Save"_s);
    add("picRed", {}, QColor(255, 0, 0));
    add("picGreen", {}, QColor(0, 255, 0));
    add("picYellow", {}, QColor(255, 255, 0));
    add("picBlue", {}, QColor(0, 0, 255));
    add("picCyan", {}, QColor(0, 255, 255));
    add("picMagneto", {}, QColor(192, 0, 0));
    add("picWhite", {}, QColor(255, 255, 255));
    add("PicDPurple", {}, QColor(128, 0, 128));
    add("picGray", {}, QColor(128, 128, 128));
    add("picBlack", {}, QColor(0, 0, 0));
    add("Label1", u"^1"_s);
    add("Label2", u"^2"_s);
    add("Label3", u"^3"_s);
    add("Label4", u"^4"_s);
    add("Label5", u"^5"_s);
    add("Label6", u"^6"_s);
    add("Label7", u"^7"_s);
    add("Label8", u"^8"_s);
    add("Label9", u"^9"_s);
    add("Label10", u"^0"_s);
    add("lblSet", u"set name"_s);
    add("Label11", u"Script Name:"_s);
    add("Label12",
        u"You can set your script here at the Script name, and hit Save and that would be done, "
        "Unless you want to animate than hit CFG Editor, to design your animations."_s);
}

void tst_frmNameScript::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QColor, fill);

    const QWidget *widget = m_window->findChild<QWidget *>(name);
    QVERIFY(widget);
    const QRect geometry = widget->geometry();
    QCOMPARE(widget->isVisible(), name != u"lblSet");
    // Wholly inside the window, and over no other visible control: each stays where it can be
    // seen and clicked.
    QVERIFY(widget->parentWidget()->rect().contains(geometry));
    for (const QWidget *other :
        widget->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (other != widget && other->isVisible() && widget->isVisible())
            QVERIFY2(!other->geometry().intersects(geometry), qPrintable(other->objectName()));
    }
    if (fill.isValid()) {
        // What the player sees: the whole swatch, corners included, is the color.
        const QImage image = widget->parentWidget()->grab().toImage();
        for (const QPoint &point :
            { geometry.topLeft(), geometry.center(), geometry.bottomRight() })
            QCOMPARE(image.pixelColor(point * image.devicePixelRatio()), fill);
    } else {
        QCOMPARE(widget->property("text").toString(), text);
    }
}

void tst_frmNameScript::codeLabelFont()
{
    // SimSun 12 pt where it is installed, otherwise a fixed-pitch face of the same weight, at
    // most as large, that fits the boxes.
    const QFont font = control<QLabel>("Label1")->font();
    const QFontInfo shown(font);
    if (shown.family() == u"SimSun") {
        QCOMPARE(font.pointSize(), 12);
    } else {
        QVERIFY(shown.fixedPitch());
        QVERIFY2(font.pointSizeF() >= 9 && font.pointSizeF() <= 12,
            qPrintable(QString::number(font.pointSizeF())));
    }
    for (const char *label : { "Label2", "Label8", "Label10" })
        QCOMPARE(control<QLabel>(label)->font(), font);
    QVERIFY(font.bold());
    QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
    QCOMPARE(control<QLabel>("Label11")->font().pointSize(), 8);
}

void tst_frmNameScript::labelsShowTheirWholeText()
{
    // The fonts are fitted as the window first paints.
    QTRY_VERIFY2(clippedLabels(m_window.get()).isEmpty(),
        qPrintable(clippedLabels(m_window.get()).join(u", ")));
}

void tst_frmNameScript::tabOrder()
{
    const QStringList expected
        = { "Command1", "cmdSave", "picRed", "picGreen", "picYellow", "picBlue", "picMagneto",
              "picWhite", "PicDPurple", "picCyan", "picGray", "picBlack", "Text1" };
    nameBox()->setFocus();
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

void tst_frmNameScript::nameBoxStartsEnabledAndEmpty()
{
    QVERIFY(nameBox()->isEnabled());
    QVERIFY(nameBox()->text().isEmpty());
    QTest::keyClicks(nameBox(), "Player");
    QCOMPARE(nameBox()->text(), u"Player"_s);
}

void tst_frmNameScript::swatchClicks_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("swatches");
    QTest::addColumn<QString>("name");

    QTest::newRow("red on empty") << u""_s << QStringList { "picRed" } << u"^1"_s;
    QTest::newRow("red then blue") << u""_s << QStringList { "picRed", "picBlue" } << u"^1^4"_s;
    QTest::newRow("same swatch twice")
        << u""_s << QStringList { "picRed", "picRed" } << u"^1^1"_s;
    QTest::newRow("black is caret zero") << u""_s << QStringList { "picBlack" } << u"^0"_s;
    QTest::newRow("gray") << u""_s << QStringList { "picGray" } << u"^9"_s;
    QTest::newRow("dark purple") << u""_s << QStringList { "PicDPurple" } << u"^8"_s;
    QTest::newRow("dark red swatch is ^6") << u""_s << QStringList { "picMagneto" } << u"^6"_s;
    QTest::newRow("after typed text") << u"Pla"_s << QStringList { "picBlue" } << u"Pla^4"_s;
    QTest::newRow("all ten left to right")
        << u""_s
        << QStringList { "picRed", "picGreen", "picYellow", "picBlue", "picCyan", "picMagneto",
               "picWhite", "PicDPurple", "picGray", "picBlack" }
        << u"^1^2^3^4^5^6^7^8^9^0"_s;
}

void tst_frmNameScript::swatchClicks()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, swatches);
    QFETCH(QString, name);

    QTest::keyClicks(nameBox(), typed);
    for (const QString &swatch : swatches) {
        // A click anywhere on a swatch counts, its corners too.
        QWidget *target = control(qPrintable(swatch));
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().bottomRight());
    }
    QCOMPARE(nameBox()->text(), name);
}

void tst_frmNameScript::swatchAppendsAtEndWhateverTheCaret()
{
    QTest::keyClicks(nameBox(), "Player");
    nameBox()->setSelection(1, 2);
    QTest::mouseClick(control("picRed"), Qt::LeftButton);
    QCOMPARE(nameBox()->text(), u"Player^1"_s);

    // A swatch click is undone like typing.
    QTest::keyClick(nameBox(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(nameBox()->text(), u"Player"_s);
}

// A click must not take the focus from the name: the player types on after the code.
void tst_frmNameScript::swatchClickLeavesTheFocusInTheNameBox()
{
    QTest::keyClicks(nameBox(), "Pla");
    QTest::mouseClick(control("picBlue"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), nameBox());
    QTest::keyClicks(QApplication::focusWidget(), "yer");
    QCOMPARE(nameBox()->text(), u"Pla^4yer"_s);
}

void tst_frmNameScript::swatchRefusesCodeThatDoesNotFit_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("lengthAfterClick");

    QTest::newRow("fits exactly") << 98 << 100;
    QTest::newRow("one character short") << 99 << 99;
    QTest::newRow("box full") << 100 << 100;
}

void tst_frmNameScript::swatchRefusesCodeThatDoesNotFit()
{
    QFETCH(int, length);
    QFETCH(int, lengthAfterClick);

    const QString typed(length, u'a');
    QTest::keyClicks(nameBox(), typed);
    QTest::mouseClick(control("picGreen"), Qt::LeftButton);
    QCOMPARE(nameBox()->text().size(), lengthAfterClick);
    QVERIFY(nameBox()->text().startsWith(typed));
    QVERIFY(!nameBox()->text().endsWith(u'^'));
}

void tst_frmNameScript::typingStopsAt100Characters()
{
    QTest::keyClicks(nameBox(), QString(105, u'x'));
    QCOMPARE(nameBox()->text(), QString(100, u'x'));
}

// No edition shows an emoji: the paste is refused, and why is said.
void tst_frmNameScript::aRefusedCharacterIsSaid()
{
    QToolTip::hideText();
    QGuiApplication::clipboard()->setText(u"ab\U0001F600c"_s);
    QTest::keyClick(nameBox(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(nameBox()->text(), QString());
    QTRY_VERIFY2(
        QToolTip::text().contains(u"\u201c\U0001F600\u201d"_s), qPrintable(QToolTip::text()));
}

void tst_frmNameScript::altSSavesTheLine()
{
    m_dialogs.path = m_dir->filePath(u"player.cfg"_s);
    QTest::keyClicks(nameBox(), "Pla");
    QTest::mouseClick(control("picBlue"), Qt::LeftButton);
    QTest::keyClicks(nameBox(), "yer");
    nameBox()->setText(u"^1"_s + nameBox()->text());
    QTest::keyClick(m_window.get(), Qt::Key_S, Qt::AltModifier);
    // The access key presses the button visibly, so the click follows a moment later.
    QTRY_COMPARE(m_dialogs.calls, 1);
    QCOMPARE(savedBytes(), QByteArray("set name ^1Pla^4yer\r\n"));

    nameBox()->clear();
    QTest::mouseClick(control("cmdSave"), Qt::LeftButton);
    QCOMPARE(savedBytes(), QByteArray("set name \r\n"));
    QVERIFY(m_dialogs.messages.isEmpty());
}

// The console model judges the line: quoted where the game would split or merge the name,
// refused where it would set another name or run a command, for a save and a hand-off alike.
void tst_frmNameScript::savesWhatTheGameSets_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("saved"); // empty: refused
    QTest::addColumn<QString>("refusal");

    QTest::newRow("plain") << u"^1Pla^4yer"_s << QByteArray("set name ^1Pla^4yer\r\n")
                           << QString();
    QTest::newRow("a byte from 0x80, quoted")
        << u"^1Tint^7mark \u20ac"_s << QByteArray("set name \"^1Tint^7mark \x80\"\r\n")
        << QString();
    QTest::newRow("spaces the console merges, quoted")
        << u" A  B"_s << QByteArray("set name \" A  B\"\r\n") << QString();
    QTest::newRow("a command after ;")
        << u"^1Big;quit"_s << QByteArray()
        << u"The game would set the name to ^1Big and then run: quit"_s;
    // Quotes keep a // from starting a comment; a name typed in quotes is the quoting itself.
    QTest::newRow("a comment") << u"^1xX//Sniper//Xx"_s
                               << QByteArray("set name \"^1xX//Sniper//Xx\"\r\n") << QString();
    QTest::newRow("typed in quotes")
        << u"\"^1Sni per\""_s << QByteArray("set name \"^1Sni per\"\r\n") << QString();
    QTest::newRow("a quote") << u"a\"b"_s << QByteArray()
                             << u"The game would set the name to a b, not to a\"b"_s;
    // Quotes inside the name: no dead end, the name the game shows is offered.
    QTest::newRow("quotes inside")
        << u"^1The \"Best\" ^7Sniper"_s << QByteArray()
        << u"The game would set the name to ^1The Best ^7Sniper, not to ^1The \"Best\" ^7Sniper.\n"
           "Name > Remove What the Game Drops makes it ^1The Best ^7Sniper"_s;
}

void tst_frmNameScript::savesWhatTheGameSets()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, saved);
    QFETCH(QString, refusal);

    QSignalSpy handedOff(m_window.get(), &frmNameScript::scriptEditorRequested);
    m_dialogs.path = m_dir->filePath(u"player.cfg"_s);
    nameBox()->setText(name);
    QTest::mouseClick(control("cmdSave"), Qt::LeftButton);
    QTest::mouseClick(control("Command1"), Qt::LeftButton);
    QCOMPARE(savedBytes(), saved.isEmpty() ? QByteArray("<missing>") : saved);
    QCOMPARE(handedOff.size(), saved.isEmpty() ? 0 : 1);
    if (!saved.isEmpty())
        QCOMPARE(
            CodePage().encode(handedOff.first().first().value<SetNameLine>().line) + "\r\n", saved);
    QCOMPARE(m_dialogs.messages.size(), saved.isEmpty() ? 2 : 0);
    if (saved.isEmpty()) {
        QVERIFY2(
            m_dialogs.messages.first().contains(refusal), qPrintable(m_dialogs.messages.first()));
        QVERIFY(nameBox()->toolTip().contains(refusal.section(u'\n', 0, 0).toHtmlEscaped()));
        // Where the game would show another name, the menu offers it in one click.
        auto *dropRemoved = m_window->findChild<QAction *>(u"dropRemoved"_s);
        emit control<QMenu>("nameMenu")->aboutToShow();
        if (refusal.contains(u"Remove What the Game Drops"_s)) {
            QVERIFY(dropRemoved->isEnabled());
            dropRemoved->trigger();
            QTest::mouseClick(control("cmdSave"), Qt::LeftButton);
            QCOMPARE(savedBytes(),
                "set name " + CodePage().encode(refusal.section(u"makes it "_s, 1)) + "\r\n");
        }
    }
}

void tst_frmNameScript::namesInTheEditionsLetters_data()
{
    QTest::addColumn<QString>("edition"); // of the COD 2 installed
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("saved"); // empty: said as typed, and spelt in letters it has
    QTest::addColumn<QString>("unheld");
    QTest::addColumn<QByteArray>("respelled");

    const QString lukasz = u"^1\u0141ukasz"_s;
    const QString sniper = u"\u0421\u043d\u0430\u0439\u043f\u0435\u0440"_s;
    QTest::newRow("Polish edition, Polish name")
        << u"polish"_s << lukasz << QByteArray("set name \"^1\xa3ukasz\"\r\n") << QString()
        << QByteArray();
    QTest::newRow("Russian edition, Russian name")
        << u"russian"_s << sniper << QByteArray("set name \"\xd1\xed\xe0\xe9\xef\xe5\xf0\"\r\n")
        << QString() << QByteArray();
    QTest::newRow("English edition, Polish name")
        << u"english"_s << lukasz << QByteArray() << u"the Latin letter \u201c\u0141\u201d"_s
        << QByteArray("set name ^1Lukasz\r\n");
    QTest::newRow("English edition, Russian name, its C Cyrillic")
        << u"english"_s << sniper << QByteArray() << u"the Cyrillic letter \u201c\u0421\u201d"_s
        << QByteArray("set name Snajper\r\n");
    QTest::newRow("Russian edition, Polish name")
        << u"russian"_s << lukasz << QByteArray() << u"the Latin letter \u201c\u0141\u201d"_s
        << QByteArray("set name ^1Lukasz\r\n");
}

// The edition is the one of the game installed: its letters are saved, and a letter it lacks
// is said as it is typed, with the name spelt in letters it has one click away.
void tst_frmNameScript::namesInTheEditionsLetters()
{
    QFETCH(QString, edition);
    QFETCH(QString, name);
    QFETCH(QByteArray, saved);
    QFETCH(QString, unheld);
    QFETCH(QByteArray, respelled);

    const QString main
        = m_dir->path() + u"/.local/share/Steam/steamapps/common/Call of Duty 2/main/"_s;
    QVERIFY(writeTreeFile(main + u"iw_00.iwd"_s, ""));
    QVERIFY(writeTreeFile(main + u"localized_"_s + edition + u"_iw00.iwd"_s, ""));
    m_dialogs.path = m_dir->filePath(u"player.cfg"_s);
    for (const QChar letter : name)
        QTest::sendKeyEvent(QTest::Click, nameBox(), Qt::Key_unknown, letter, Qt::NoModifier);
    QCOMPARE(nameBox()->text(), name);
    auto *respell = m_window->findChild<QAction *>(u"respellName"_s);
    QCOMPARE(respell->isVisible(), !unheld.isEmpty());
    QTest::mouseClick(control("cmdSave"), Qt::LeftButton);
    if (!saved.isEmpty()) {
        QCOMPARE(savedBytes(), saved);
        QVERIFY(!nameBox()->toolTip().contains(u"cannot show"_s));
        return;
    }
    QCOMPARE(savedBytes(), QByteArray("<missing>"));
    QVERIFY2(
        nameBox()->toolTip().contains(unheld.toHtmlEscaped()), qPrintable(nameBox()->toolTip()));
    QVERIFY(respell->toolTip().contains(unheld));
    respell->trigger();
    QVERIFY(!respell->isVisible());
    m_dialogs.messages.clear();
    QTest::mouseClick(control("cmdSave"), Qt::LeftButton);
    QCOMPARE(m_dialogs.messages, QStringList());
    QCOMPARE(savedBytes(), respelled);
    // One undo step takes the respelling back.
    nameBox()->undo();
    QCOMPARE(nameBox()->text(), name);
}

void tst_frmNameScript::enterAndEscapePressNothing()
{
    m_dialogs.path = m_dir->filePath(u"player.cfg"_s);
    for (const char *name : { "Text1", "Command1", "cmdSave" }) {
        control(name)->setFocus();
        QTest::keyClick(control(name), Qt::Key_Return);
        QTest::keyClick(control(name), Qt::Key_Enter);
        QTest::keyClick(control(name), Qt::Key_Escape);
    }
    QCOMPARE(m_dialogs.calls, 0);
    QVERIFY(m_window->isVisible());
}

void tst_frmNameScript::cancelIsSilent()
{
    QTest::keyClicks(nameBox(), "Player");
    QTest::keyClick(m_window.get(), Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(m_dialogs.calls, 1);
    QVERIFY(m_dialogs.messages.isEmpty());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList());
    QCOMPARE(nameBox()->text(), u"Player"_s);
}

// The line holds the name as it is when the dialog has closed, not when Save was pressed.
void tst_frmNameScript::savesTheNameAsItIsOnceTheDialogCloses()
{
    m_dialogs.path = m_dir->filePath(u"player.cfg"_s);
    QTest::keyClicks(nameBox(), "Before");
    m_dialogs.whileOpen = [this] { nameBox()->setText(u"^2After"_s); };
    QTest::mouseClick(control("cmdSave"), Qt::LeftButton);
    QCOMPARE(savedBytes(), QByteArray("set name ^2After\r\n"));
}

void tst_frmNameScript::savesANameLongerThanTheGameKeeps_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("bytes");
    QTest::newRow("40 bytes") << QByteArray("^1Forty^2characters^3long^4name^5for^6yo") << 40;
    QTest::newRow("91 bytes") << QByteArray(
        "^1Ninety^2one^3bytes^4long^5name^6that^7the^8game^9cuts^1off"
        "^1after^2thirty^3one^4bytes^5of")
                              << 91;
}

// The game cuts a name at 31 bytes, but the script holds what the player typed.
void tst_frmNameScript::savesANameLongerThanTheGameKeeps()
{
    QFETCH(QByteArray, name);
    QFETCH(int, bytes);
    QCOMPARE(name.size(), bytes);
    m_dialogs.path = m_dir->filePath(u"player.cfg"_s);
    QTest::keyClicks(nameBox(), QString::fromLatin1(name));
    QTest::mouseClick(control("cmdSave"), Qt::LeftButton);
    QCOMPARE(savedBytes(), "set name " + name + "\r\n");
    // The notice says so whole, within the screen, its long lines wrapped.
    const auto *notice = control<QLabel>("saveNotice");
    QVERIFY(notice && notice->isVisible());
    QVERIFY2(notice->text().contains(u"takes %1 bytes"_s.arg(bytes)), qPrintable(notice->text()));
    QVERIFY(m_window->screen()->availableGeometry().contains(notice->frameGeometry()));
    QCOMPARE(clippedLabels(m_window.get()), QStringList());
}

void tst_frmNameScript::failedSaveWarnsAndNextSaveWorks()
{
    QTest::keyClicks(nameBox(), "Player");
    m_dialogs.path = m_dir->filePath(u"missing/player.cfg"_s);
    QTest::mouseClick(control("cmdSave"), Qt::LeftButton);
    QCOMPARE(m_dialogs.messages.size(), 1);
    QVERIFY2(m_dialogs.messages.first().contains(QDir::toNativeSeparators(m_dialogs.path)),
        qPrintable(m_dialogs.messages.first()));
    QCOMPARE(nameBox()->text(), u"Player"_s);

    nameBox()->setText(u"Pl\u03a9yer"_s);
    m_dialogs.path = m_dir->filePath(u"player.cfg"_s);
    QTest::mouseClick(control("cmdSave"), Qt::LeftButton);
    QCOMPARE(m_dialogs.messages.size(), 2);
    QVERIFY2(
        m_dialogs.messages.last().contains(u"U+03A9"_s), qPrintable(m_dialogs.messages.last()));
    QVERIFY(!QFile::exists(m_dialogs.path));

    nameBox()->setText(u"Player"_s);
    QTest::mouseClick(control("cmdSave"), Qt::LeftButton);
    QCOMPARE(m_dialogs.messages.size(), 2);
    QCOMPARE(savedBytes(), QByteArray("set name Player\r\n"));
}

void tst_frmNameScript::aFolderThatCannotBeWrittenOffersToSaveElsewhere_data()
{
    QTest::addColumn<QString>("elsewhere"); // where the player saves instead; none if they do not
    QTest::newRow("saved elsewhere") << u"player.cfg"_s;
    QTest::newRow("the offer declined") << QString();
}

void tst_frmNameScript::aFolderThatCannotBeWrittenOffersToSaveElsewhere()
{
    QFETCH(QString, elsewhere);
    QTest::keyClicks(nameBox(), "Player");
    // A folder that has gone, as a removed USB stick's.
    m_dialogs.path = m_dir->filePath(u"gone/player.cfg"_s);
    m_dialogs.elsewherePath = elsewhere.isEmpty() ? QString() : m_dir->filePath(elsewhere);
    QTest::mouseClick(control("cmdSave"), Qt::LeftButton);
    QCOMPARE(m_dialogs.messages.size(), 1);
    QVERIFY2(m_dialogs.messages.first().contains(QDir::toNativeSeparators(m_dialogs.path)),
        qPrintable(m_dialogs.messages.first()));
    QCOMPARE(m_dialogs.elsewhereCalls, elsewhere.isEmpty() ? 0 : 1);
    QFile saved(m_dialogs.elsewherePath);
    QCOMPARE(saved.open(QIODevice::ReadOnly) ? saved.readAll() : QByteArray(),
        elsewhere.isEmpty() ? QByteArray() : QByteArray("set name Player\r\n"));
}

void tst_frmNameScript::closingEndsTheProgram()
{
    // Another window stays open, so only the main window's own ending can end the program.
    QWidget other;
    other.show();
    QTimer::singleShot(0, m_window.get(), &QWidget::close);
    // Gone with the other window: fired in a later test, it would end that test's dialogs at once.
    QTimer::singleShot(5000, &other, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

void tst_frmNameScript::tooltipPreviewsTheName()
{
    QTest::keyClicks(nameBox(), "Pla");
    QCOMPARE(colorsIn(nameBox()->toolTip()), QStringList { "#ffffff" });
    QTest::mouseClick(control("picBlue"), Qt::LeftButton);
    QTest::keyClicks(nameBox(), "yer");
    QTest::mouseClick(control("picMagneto"), Qt::LeftButton);
    QTest::keyClicks(nameBox(), "!");
    QCOMPARE(colorsIn(nameBox()->toolTip()), (QStringList { "#ffffff", "#0000ff", "#ff00ff" }));
    QVERIFY(nameBox()->toolTip().contains(u"<p>11 / 31</p>"_s));
}

void tst_frmNameScript::swatchClickShowsThePreview()
{
    QTest::keyClicks(nameBox(), "A");
    QTest::mouseClick(control("picRed"), Qt::LeftButton);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), nameBox()->toolTip());
    QCOMPARE(colorsIn(QToolTip::text()), QStringList { "#ffffff" });

    // The preview on screen follows the name.
    QTest::keyClicks(nameBox(), "B");
    QCOMPARE(QToolTip::text(), nameBox()->toolTip());
    QCOMPARE(colorsIn(QToolTip::text()), (QStringList { "#ffffff", "#ff0000" }));
    QToolTip::hideText();
}

// The names the player already has in the games' configs, to start a new one from.
void tst_frmNameScript::nameMenuOffersTheGamesNames()
{
    const QString cod2 = u"/.local/share/Steam/steamapps/common/Call of Duty 2/main"_s;
    const QString cod = u"/.wine/drive_c/Program Files/Activision/Call of Duty/main"_s;
    for (const auto &[file, bytes] :
        std::initializer_list<std::pair<QString, QByteArray>> { { cod2 + u"/iw_00.iwd"_s, "" },
            { cod2 + u"/players/one/config_mp.cfg"_s,
                "seta com_maxfps \"125\"\r\nseta name \"^1Old \xa7\"\r\n" },
            { cod + u"/pak0.pk3"_s, "" },
            // COD's seta takes exactly a name and a value: the second line sets nothing there.
            { cod + u"/config_mp.cfg"_s,
                "bind k kill\r\nseta name \"^2Cod\"\r\nseta name ^3Two words\r\n" } })
        QVERIFY(writeTreeFile(m_dir->path() + file, bytes));
    // In the name box's context menu and the menu bar's Name menu alike.
    auto *names = control<QMenu>("gameNamesMenu");
    QVERIFY(names);
    emit names->aboutToShow();
    const QList<QAction *> actions = names->actions();
    QCOMPARE(actions.size(), 2);
    QCOMPARE(actions[0]->text(), u"COD 2: ^1Old \u00a7"_s);
    QCOMPARE(actions[1]->text(), u"COD: ^2Cod"_s);
    actions[0]->trigger();
    QCOMPARE(nameBox()->text(), u"^1Old \u00a7"_s);
}

void tst_frmNameScript::nameMenuSaysWhyItOffersNoName_data()
{
    QTest::addColumn<bool>("game");
    QTest::addColumn<QByteArray>("config"); // none when empty
    QTest::addColumn<QString>("title");
    QTest::newRow("no game") << false << QByteArray()
                             << u"&Names from the Games (no game found)"_s;
    QTest::newRow("a game without a config")
        << true << QByteArray() << u"&Names from the Games (no game config found)"_s;
    QTest::newRow("a config that sets no name")
        << true << QByteArray("seta com_maxfps \"125\"\r\n")
        << u"&Names from the Games (no name in their configs)"_s;
}

void tst_frmNameScript::nameMenuSaysWhyItOffersNoName()
{
    QFETCH(bool, game);
    QFETCH(QByteArray, config);
    QFETCH(QString, title);
    const QString main
        = m_dir->path() + u"/.local/share/Steam/steamapps/common/Call of Duty 2/main"_s;
    if (game)
        QVERIFY(writeTreeFile(main + u"/iw_00.iwd"_s, {}));
    if (!config.isEmpty())
        QVERIFY(writeTreeFile(main + u"/players/one/config_mp.cfg"_s, config));
    emit control<QMenu>("nameMenu")->aboutToShow();
    const QMenu *names = control<QMenu>("gameNamesMenu");
    QCOMPARE(names->title(), title);
    QVERIFY(!names->isEnabled());
}

void tst_frmNameScript::spaceOnAFocusedSwatchAppendsItsCode()
{
    QTest::keyClicks(nameBox(), "A");
    for (int i = 0; i < 3; ++i) // past the two buttons to the first swatch
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control("picRed"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(nameBox()->text(), u"A^1"_s);

    // Any other key is meant for the name.
    QTest::keyClicks(QApplication::focusWidget(), "x");
    QCOMPARE(nameBox()->text(), u"A^1x"_s);
    QCOMPARE(QApplication::focusWidget(), nameBox());
    // Alt+N comes back to the name from a swatch.
    control("picRed")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), nameBox());
}

void tst_frmNameScript::pastedCommandGivesItsName_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("name");
    QTest::newRow("a web colorizer's /name") << u"/name ^1S^2n^3i"_s << u"^1S^2n^3i"_s;
    QTest::newRow("seta name in quotes") << u"seta name \"^1Big Gun\""_s << u"^1Big Gun"_s;
    QTest::newRow("set name") << u"set name ^4Sniper"_s << u"^4Sniper"_s;
    QTest::newRow("a name that is no command") << u"^1Name ^2Tag"_s << u"^1Name ^2Tag"_s;
}

// Pasted, a console command gives its name; each paste and each swatch click is one undo step.
void tst_frmNameScript::pastedCommandGivesItsName()
{
    QFETCH(QString, pasted);
    QFETCH(QString, name);
    nameBox()->setFocus();
    QTest::keyClicks(nameBox(), u"x"_s);
    nameBox()->selectAll();
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(nameBox(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(nameBox()->text(), name);
    QTest::mouseClick(control("picRed"), Qt::LeftButton);
    QTest::mouseClick(control("picBlue"), Qt::LeftButton);
    QCOMPARE(nameBox()->text(), name + u"^1^4"_s);
    nameBox()->undo();
    QCOMPARE(nameBox()->text(), name + u"^1"_s);
    nameBox()->undo();
    QCOMPARE(nameBox()->text(), name);
}

void tst_frmNameScript::pasteLongerThanTheBoxSaysWhereItIsCut_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("leftOut"); // as the tooltip says it; none when nothing is
    const QString a99(99, u'A');
    QTest::newRow("a name") << QString(120, u'A') << QString(100, u'A') << u"AAAAAAAAAAAA\u2026"_s;
    QTest::newRow("a color code cut in half") << a99 + u"^1B"_s << a99 << u"^1B"_s;
    QTest::newRow("a command whose name fits")
        << u"/name "_s + QString(97, u'A') << QString(97, u'A') << QString();
    QTest::newRow("a command whose name does not fit")
        << u"/name "_s + a99 + u"^2x"_s << a99 << u"^2x"_s;
}

// The box holds 100 characters: a longer paste is cut there, never in a color code, and said.
void tst_frmNameScript::pasteLongerThanTheBoxSaysWhereItIsCut()
{
    QFETCH(QString, pasted);
    QFETCH(QString, name);
    QFETCH(QString, leftOut);
    nameBox()->setFocus();
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(nameBox(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(nameBox()->text(), name);
    QVERIFY(QToolTip::isVisible() || leftOut.isEmpty());
    if (leftOut.isEmpty())
        QVERIFY2(!QToolTip::text().contains(u"left out"_s), qPrintable(QToolTip::text()));
    else
        QVERIFY2(QToolTip::text().contains(u"\u201c%1\u201d was left out"_s.arg(leftOut)),
            qPrintable(QToolTip::text()));
    QToolTip::hideText();
}

void tst_frmNameScript::shiftClickColorsTheSelection_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("colored"); // by ^4, with Shift
    QTest::newRow("the start: the rest white again") << u"Sniper"_s << 0 << 3 << u"^4Sni^7per"_s;
    QTest::newRow("the end: nothing to restore") << u"Sniper"_s << 3 << 3 << u"Sni^4per"_s;
    QTest::newRow("the middle of a colored name") << u"^1Sniper"_s << 3 << 2 << u"^1S^4ni^1per"_s;
    QTest::newRow("no selection: appended") << u"Sniper"_s << 0 << 0 << u"Sniper^4"_s;
    // The game shows the first caret and colors with the second.
    QTest::newRow("after a shown caret") << u"^^1ab"_s << 3 << 1 << u"^^1^4a^1b"_s;
}

void tst_frmNameScript::shiftClickColorsTheSelection()
{
    QFETCH(QString, name);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, colored);
    nameBox()->setFocus();
    nameBox()->setText(name);
    nameBox()->setSelection(start, length);
    QTest::mouseClick(control("picBlue"), Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(nameBox()->text(), colored);
    // One undo step takes it back.
    nameBox()->undo();
    QCOMPARE(nameBox()->text(), name);

    // The console command for the name, to paste in the game's console without a file.
    nameBox()->setText(colored);
    emit nameBox()->customContextMenuRequested(QPoint(4, 4));
    QAction *copy = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        copy = copy ? copy : window->findChild<QAction *>(u"copyConsoleCommand"_s);
    QVERIFY(copy);
    copy->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), u"/name "_s + colored);
    qobject_cast<QWidget *>(copy->parent())->close();
}

void tst_frmNameScript::wholeNameColoredInThePickedColors_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("colored");
    QTest::newRow("rainbow of the codes clicked")
        << u"Sniper^1^4"_s << u"rainbow"_s << u"^1S^4n^1i^4p^1e^4r"_s;
    QTest::newRow("gradient: each color half the letters")
        << u"^1^4Sniper"_s << u"gradient"_s << u"^1Sni^4per"_s;
    QTest::newRow("rainbow of six without codes")
        << u"Sniper"_s << u"rainbow"_s << u"^1S^3n^2i^5p^4e^6r"_s;
    QTest::newRow("a blank takes no code") << u"A B^1^2"_s << u"rainbow"_s << u"^1A ^2B"_s;
    // Greyed, saying why.
    QTest::newRow("a gradient of one color") << u"^1Sniper"_s << u"gradient"_s << QString();
}

void tst_frmNameScript::wholeNameColoredInThePickedColors()
{
    QFETCH(QString, name);
    QFETCH(QString, action);
    QFETCH(QString, colored);
    nameBox()->setText(name);
    auto *coloring = control<QMenu>("coloringMenu");
    emit coloring->aboutToShow();
    QAction *color = coloring->findChild<QAction *>(action);
    QVERIFY(color);
    QCOMPARE(color->isEnabled(), !colored.isEmpty());
    if (colored.isEmpty()) {
        QVERIFY2(color->text().contains(u"two swatches"_s), qPrintable(color->text()));
        return;
    }
    color->trigger();
    QCOMPARE(nameBox()->text(), colored);
    nameBox()->undo();
    QCOMPARE(nameBox()->text(), name);
}

void tst_frmNameScript::pinnedPreviewFollowsTheName()
{
    nameBox()->setFocus();
    QTest::keyClicks(nameBox(), "^4A");
    QTest::keyClick(nameBox(), Qt::Key_P, Qt::AltModifier);
    auto *pinned = m_window->findChild<QWidget *>(u"pinnedPreview"_s);
    QVERIFY(pinned && pinned->isVisible());
    QVERIFY(!pinned->frameGeometry().intersects(m_window->geometry()));
    const auto *name = pinned->findChild<GameNameView *>(u"pinnedName"_s);
    QCOMPARE(name->name(), u"^4A"_s);
    // It follows the typing, and shows what the game makes of the name.
    QTest::keyClicks(nameBox(), "//B");
    QCOMPARE(name->name(), u"^4A//B"_s);
    // Not saved: the comment ends at the ;, and x runs.
    QTest::keyClicks(nameBox(), ";x");
    QCOMPARE(name->name(), u"^4A"_s);
    pinned->close();
}

void tst_frmNameScript::accessibleNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("accessibleName");

    QTest::newRow("name box") << u"Text1"_s << u"Player name"_s;
    QTest::newRow("editor button") << u"Command1"_s << u"CFG Editor"_s;
    QTest::newRow("save button") << u"cmdSave"_s << u"Save"_s;
    const QStringList swatches = { "picRed:Red, ^1", "picGreen:Green, ^2", "picYellow:Yellow, ^3",
        "picBlue:Blue, ^4", "picCyan:Cyan, ^5", "picMagneto:Magenta, ^6", "picWhite:White, ^7",
        "PicDPurple:Purple, ^8", "picGray:Gray, ^9", "picBlack:Black, ^0" };
    for (const QString &swatch : swatches) {
        const QString name = swatch.section(u':', 0, 0);
        QTest::newRow(qPrintable(name)) << name << swatch.section(u':', 1);
    }
}

void tst_frmNameScript::accessibleNames()
{
    QFETCH(QString, control);
    QFETCH(QString, accessibleName);

    QWidget *widget = m_window->findChild<QWidget *>(control);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), accessibleName);
    if (control.startsWith(u"pic"_s, Qt::CaseInsensitive)) {
        QCOMPARE(accessible->role(), QAccessible::Button);
        QVERIFY(widget->toolTip().startsWith(accessibleName));
    }
}

QTEST_MAIN(tst_frmNameScript)
#include "tst_frmnamescript.moc"
