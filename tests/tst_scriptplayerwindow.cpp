// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "installedletters.h"
#include "player/scriptplayerwindow.h"
#include "treefile.h"
#include "widgets/gamecolors.h"
#include "widgets/gamenameview.h"
#include "widgets/namepreview.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

// The player window as the player uses it: stepping through names, pressing bound keys,
// clicking the timeline and the warnings.
class tst_ScriptPlayerWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void stepsThroughTheNamesAtTheirTimes();
    void playsAtTheGamesPace();
    void boundKeysArePressedByButtons();
    void teamCodesShowInTheTeamsColors_data();
    void teamCodesShowInTheTeamsColors();
    void timelineAndWarningsLeadToTheirLines();
    void selectedNameIsReadable();
    void scriptWithoutWarningsSaysSo();
    void othersSeeTheNamesOfTheServersSnapshots();
    void manyKeysFitTheWindow();
    void narrowWindowKeepsEveryControl();
    void drawsInTheGameLettersForCod2_data();
    void drawsInTheGameLettersForCod2();

private:
    template <typename T = QWidget> T *control(const char *name) const
    {
        return m_window->findChild<T *>(QLatin1String(name));
    }
    QString shownName() const { return control<GameNameView>("nameView")->name(); }
    QString time() const { return control<QLabel>("timeLabel")->text(); }

    QTemporaryDir m_settings;
    std::unique_ptr<GameColors> m_colors;
    InstalledLetters m_noGame { {} };
    std::unique_ptr<ScriptPlayerWindow> m_window;
};

void tst_ScriptPlayerWindow::initTestCase()
{
    // The team colors and the dialog's choices go to the test's own settings.
    QVERIFY(m_settings.isValid());
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
}

void tst_ScriptPlayerWindow::init()
{
    m_colors = std::make_unique<GameColors>();
    m_window = std::make_unique<ScriptPlayerWindow>(*m_colors, m_noGame.letters);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_ScriptPlayerWindow::cleanup()
{
    m_window.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_ScriptPlayerWindow::stepsThroughTheNamesAtTheirTimes()
{
    m_window->setScript(u"set name ^1A\r\nwait 100\r\nset name ^2B\r\nwait 70\r\nset name C\r\n"_s);
    QCOMPARE(shownName(), u"^1A"_s);
    QCOMPARE(time(), u"0.00 s (0 ticks)"_s);

    QPushButton *next = control<QPushButton>("stepButton");
    next->click();
    QCOMPARE(shownName(), u"^2B"_s);
    QCOMPARE(time(), u"0.55 s (100 ticks)"_s);
    next->click();
    QCOMPARE(shownName(), u"C"_s);
    QCOMPARE(time(), u"0.94 s (170 ticks)"_s); // 170 ticks of 11 ms / 2
    QCOMPARE(control<QLabel>("statusLabel")->text(), u"The animation has ended."_s);
    next->click();
    QCOMPARE(control<QLabel>("statusLabel")->text(), u"No change after this one."_s);
    QCOMPARE(time(), u"0.94 s (170 ticks)"_s);

    // The same waits last longer at a lower frame rate: 20 ms frames at com_maxfps 50.
    control<QSpinBox>("framesPerSecond")->setValue(50);
    QCOMPARE(time(), u"1.70 s (170 ticks)"_s);
    QCOMPARE(control<QTreeWidget>("timeline")->topLevelItem(2)->text(0), u"1.70 s (170 ticks)"_s);
    QCOMPARE(control<QLabel>("realRateLabel")->text(), u"20 ms frames, 50.0 a second"_s);
    control<QSpinBox>("framesPerSecond")->setValue(85);
    QCOMPARE(control<QLabel>("realRateLabel")->text(), u"11 ms frames, 90.9 a second"_s);

    // The game picked runs the script by its own rules: COD's variable command takes one word.
    m_window->setScript(u"name ^1X Y\r\n"_s);
    QCOMPARE(shownName(), u"^1X Y"_s);
    control<QComboBox>("gameBox")->setCurrentText(u"COD 1.1"_s);
    QCOMPARE(shownName(), u"^1X"_s);
    m_window->setScript(u"set name ^1A\r\nwait 100\r\nset name ^2B\r\nwait 70\r\nset name C\r\n"_s);

    control<QPushButton>("restartButton")->click();
    QCOMPARE(shownName(), u"^1A"_s);
    QCOMPARE(control<QTreeWidget>("timeline")->topLevelItemCount(), 3);

    // A script it execs from its folder runs where the exec stands, in the timeline.
    QTemporaryDir folder;
    QVERIFY(writeTreeFile(folder.filePath(u"b.cfg"_s), "set name B1\r\nwait 20\r\n"));
    control<QComboBox>("gameBox")->setCurrentText(u"COD 2"_s);
    m_window->setScript(u"set name A1\r\nwait 10\r\nexec b.cfg\r\nset name A2\r\n"_s);
    m_window->setScriptFolder(folder.path());
    QStringList timeline;
    for (int i = 0; i < control<QTreeWidget>("timeline")->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = control<QTreeWidget>("timeline")->topLevelItem(i);
        timeline << item->text(0).section(u'(', 1).chopped(1) + u' ' + item->text(2);
    }
    QCOMPARE(timeline, (QStringList { u"0 ticks A1"_s, u"10 ticks B1"_s, u"30 ticks A2"_s }));
}

void tst_ScriptPlayerWindow::playsAtTheGamesPace()
{
    // 17 ticks at com_maxfps 85 are 93.5 ms.
    m_window->setScript(u"set name A\r\nwait 17\r\nset name B\r\n"_s);
    control<QPushButton>("playButton")->click();
    QCOMPARE(shownName(), u"A"_s);
    QTRY_COMPARE_WITH_TIMEOUT(shownName(), u"B"_s, 2000);
    // Having ended, the script stops at its last tick.
    QTRY_VERIFY(control<QPushButton>("playButton")->isEnabled());
    QCOMPARE(m_window->currentTick(), 17);
}

void tst_ScriptPlayerWindow::boundKeysArePressedByButtons()
{
    m_window->setScript(u"set s1 \"set name ^1One; set step vstr s2\"\r\n"
                        "set s2 \"set name ^2Two; set step vstr s1\"\r\n"
                        "set step \"vstr s1\"\r\nbind F1 \"vstr step\"\r\n"_s);
    QCOMPARE(shownName(), QString());
    auto *key = control<QPushButton>("key_F1");
    QVERIFY(key);
    key->click();
    QCOMPARE(shownName(), u"^1One"_s);
    key->click();
    QCOMPARE(shownName(), u"^2Two"_s);
    key->click();
    QCOMPARE(shownName(), u"^1One"_s);

    // Restart forgets the presses: the name is as before the first, and the next shows One.
    control<QPushButton>("restartButton")->click();
    QCOMPARE(shownName(), QString());
    key->click();
    QCOMPARE(shownName(), u"^1One"_s);
    QCOMPARE(
        control<QLabel>("statusLabel")->text(), u"The script has run: press a key it binds."_s);

    // An edit plays the new script from the top, without the old presses.
    m_window->setScript(u"set s1 \"set name ^3Three\"\r\nbind F1 \"vstr s1\"\r\n"_s);
    QCOMPARE(shownName(), QString());
    QCOMPARE(m_window->currentTick(), 0);
}

void tst_ScriptPlayerWindow::teamCodesShowInTheTeamsColors_data()
{
    QTest::addColumn<QString>("nation");
    QTest::addColumn<QColor>("allies");
    QTest::newRow("American") << u"American"_s << QColor(64, 191, 64);
    QTest::newRow("British") << u"British"_s << QColor(64, 64, 191);
    QTest::newRow("Russian") << u"Russian"_s << QColor(191, 64, 64);
}

// ^8 in the allied nation's color, ^9 in the axis's grey: where each shows in the drawn name.
void tst_ScriptPlayerWindow::teamCodesShowInTheTeamsColors()
{
    QFETCH(QString, nation);
    QFETCH(QColor, allies);
    const QColor axis(153, 153, 153);

    m_window->setScript(u"set name ^8MMMM^9MMMM\r\n"_s);
    control<QComboBox>("alliesBox")->setCurrentText(nation);
    const QImage drawn = control<GameNameView>("nameView")->grab().toImage();
    const auto meanColumn = [&drawn](QColor color) {
        qint64 sum = 0;
        qint64 count = 0;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                if (drawn.pixelColor(x, y) == color) {
                    sum += x;
                    ++count;
                }
            }
        }
        return count ? sum / count : -1;
    };
    const qint64 alliedAt = meanColumn(allies);
    const qint64 axisAt = meanColumn(axis);
    QVERIFY2(alliedAt >= 0 && axisAt >= 0, "both colors show");
    QVERIFY(alliedAt < axisAt);
    // One setting for every view: the main window's preview draws ^8 alike.
    QVERIFY(NamePreview::html(NamePreview::judge(u"^8M"_s, CodePage()), m_colors->palette())
                .contains(allies.name()));
}

void tst_ScriptPlayerWindow::timelineAndWarningsLeadToTheirLines()
{
    m_window->setScript(u"// animated\r\n set name ^1A set name ^2B\r\nwait -1\r\n"_s);
    QSignalSpy lines(m_window.get(), &ScriptPlayerWindow::lineActivated);
    QSignalSpy splits(m_window.get(), &ScriptPlayerWindow::splitRequested);

    auto *timeline = control<QTreeWidget>("timeline");
    QCOMPARE(timeline->topLevelItemCount(), 1);
    QTest::mouseClick(timeline->viewport(), Qt::LeftButton, {},
        timeline->visualItemRect(timeline->topLevelItem(0)).center());
    QCOMPARE(lines.takeFirst(), (QVariantList { 2 }));

    auto *warnings = control<QListWidget>("warnings");
    QCOMPARE(warnings->count(), 2);
    QVERIFY(warnings->item(0)->text().startsWith(u"line 2: Two commands run together"_s));
    QVERIFY(warnings->item(1)->text().startsWith(u"line 3: A wait with a negative number"_s));
    auto *split = control<QPushButton>("splitButton");
    QTest::mouseClick(warnings->viewport(), Qt::LeftButton, {},
        warnings->visualItemRect(warnings->item(1)).center());
    QCOMPARE(lines.takeFirst(), (QVariantList { 3 }));
    QVERIFY(!split->isEnabled());
    QTest::mouseClick(warnings->viewport(), Qt::LeftButton, {},
        warnings->visualItemRect(warnings->item(0)).center());
    QVERIFY(split->isEnabled());
    split->click();
    QCOMPARE(splits.takeFirst(), (QVariantList { 2, 14 }));
}

// The names in the timeline have room, and a selected one keeps its colors on the dark ground,
// the selection's frame clear of its letters.
void tst_ScriptPlayerWindow::selectedNameIsReadable()
{
    m_window->setScript(u"set name ^1MMMM\r\nwait 20\r\nset name ^2WWWW\r\n"_s);
    auto *timeline = control<QTreeWidget>("timeline");
    QVERIFY(timeline->columnWidth(2) >= timeline->columnWidth(0));
    timeline->setCurrentItem(timeline->topLevelItem(0));
    QVERIFY(timeline->topLevelItem(0)->isSelected());
    const QRect cell = timeline->visualRect(timeline->model()->index(0, 2));
    const QImage drawn = timeline->viewport()->grab(cell).toImage();
    QRect letters;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (drawn.pixelColor(x, y) == QColor(255, 0, 0))
                letters |= QRect(x, y, 1, 1);
        }
    }
    QVERIFY(!letters.isEmpty());
    QVERIFY(drawn.rect().adjusted(2, 2, -2, -2).contains(letters));
    const QPalette palette = timeline->palette();
    const QList<QColor> selection { palette.color(QPalette::Active, QPalette::Highlight),
        palette.color(QPalette::Inactive, QPalette::Highlight) };
    const QRect aroundLetters = letters.adjusted(-1, -1, 1, 1);
    for (int y = aroundLetters.top(); y <= aroundLetters.bottom(); ++y) {
        for (int x = aroundLetters.left(); x <= aroundLetters.right(); ++x)
            QVERIFY(!selection.contains(drawn.pixelColor(x, y)));
    }
}

void tst_ScriptPlayerWindow::scriptWithoutWarningsSaysSo()
{
    m_window->setScript(u"set name ^1A\r\n"_s);
    auto *warnings = control<QListWidget>("warnings");
    QCOMPARE(warnings->count(), 1);
    QCOMPARE(warnings->item(0)->text(), u"No warnings: the script runs as written."_s);
}

void tst_ScriptPlayerWindow::othersSeeTheNamesOfTheServersSnapshots()
{
    // Names of 11 ms at com_maxfps 85, then one of 55 ms, then the last; a snapshot every 50 ms.
    m_window->setScript(u"set name ^1A\r\nwait 2\r\nset name ^2B\r\nwait 10\r\nset name ^3C\r\n"
                        "wait 10\r\nset name ^4D\r\n"_s);
    const auto *timeline = control<QTreeWidget>("timeline");
    QStringList others;
    for (int i = 0; i < timeline->topLevelItemCount(); ++i)
        others << timeline->topLevelItem(i)->text(3);
    QCOMPARE(others,
        QStringList({ u"never: it lasts less than a snapshot"_s, u"from 0.05 s"_s, u"from 0.10 s"_s,
            u"from 0.15 s"_s }));
    // Others see nothing new until a snapshot carries it.
    const auto othersSee = [this] { return control<GameNameView>("othersNameView")->name(); };
    QCOMPARE(othersSee(), QString());
    QPushButton *next = control<QPushButton>("stepButton");
    next->click(); // ^2B at 11 ms
    QCOMPARE(othersSee(), QString());
    next->click(); // ^3C at 66 ms: the snapshot at 50 carried ^2B
    QCOMPARE(shownName(), u"^3C"_s);
    QCOMPARE(othersSee(), u"^2B"_s);

    // Where wait does nothing, all comes at once, and the frame rate is forced.
    control<QComboBox>("serverBox")->setCurrentIndex(1);
    QCOMPARE(timeline->topLevelItem(3)->text(0), u"0.00 s (0 ticks)"_s);
    QCOMPARE(timeline->topLevelItem(3)->text(3), u"from 0.00 s"_s);
    QCOMPARE(control<QLabel>("realRateLabel")->text(),
        u"4 ms frames, 250.0 a second: the server makes com_maxfps 250"_s);
    const auto *warnings = control<QListWidget>("warnings");
    QVERIFY(warnings->item(0)->text().contains(u"competitive server wait does nothing"_s));
}

void tst_ScriptPlayerWindow::manyKeysFitTheWindow()
{
    // 3,000 keys, within the game's buffer: eight buttons, the rest in a menu.
    QString script = u"set a \"set name ^1Last\"\n"_s;
    for (int i = 0; i < 3000; ++i)
        script += u"bind k%1 a\n"_s.arg(i);
    script += u"bind k2999 vstr a\n"_s;
    m_window->setScript(script);
    QCOMPARE(m_window->findChildren<QPushButton *>(QRegularExpression(u"^key_"_s)).size(), 8);
    auto *more = control<QToolButton>("moreKeys");
    QVERIFY(more);
    QCOMPARE(more->menu()->actions().size(), 2992);
    QVERIFY(m_window->frameGeometry().width() <= m_window->screen()->availableGeometry().width());
    // The key that shows a name comes first, bound last as it is.
    QVERIFY(!more->menu()->findChild<QAction *>(u"key_k2999"_s));
    control<QPushButton>("key_k2999")->click();
    QCOMPARE(shownName(), u"^1Last"_s);
}

// Beside the editor on a small or magnified screen, the window is narrow: its rows wrap, each
// control whole and none over another.
void tst_ScriptPlayerWindow::narrowWindowKeepsEveryControl()
{
    m_window->setScript(u"bind F7 \"set name ^1A\"\r\nbind k \"set name ^2B\"\r\n"_s);
    const int width = 380;
    m_window->layout()->activate();
    m_window->resize(width, m_window->layout()->totalMinimumHeightForWidth(width));
    m_window->layout()->activate();
    QCOMPARE(m_window->width(), width);
    // Which control it is, for a failure to say.
    const auto describe = [](const QWidget *control) {
        const auto *label = qobject_cast<const QLabel *>(control);
        const auto *button = qobject_cast<const QAbstractButton *>(control);
        return QLatin1String(control->metaObject()->className()) + u' '
            + (label         ? label->text()
                    : button ? button->text()
                             : control->objectName());
    };
    QList<std::pair<QRect, QString>> taken;
    for (const QWidget *control : m_window->findChildren<QWidget *>()) {
        const bool aControl = qobject_cast<const QAbstractButton *>(control)
            || qobject_cast<const QComboBox *>(control) || qobject_cast<const QSpinBox *>(control)
            || qobject_cast<const QLabel *>(control);
        if (!aControl || !control->isVisibleTo(m_window.get()))
            continue;
        const QRect rect(control->mapTo(m_window.get(), QPoint()), control->size());
        QVERIFY2(m_window->rect().contains(rect), qPrintable(describe(control)));
        for (const auto &[other, name] : std::as_const(taken))
            QVERIFY2(!rect.intersects(other), qPrintable(name + u" and "_s + describe(control)));
        taken << std::pair(rect, describe(control));
    }
}

void tst_ScriptPlayerWindow::drawsInTheGameLettersForCod2_data() { InstalledLetters::addRows(); }

// The names are drawn in COD 2's own letters while the window plays for COD 2, and in the
// desktop's for the other games, whose fonts are not COD 2's.
void tst_ScriptPlayerWindow::drawsInTheGameLettersForCod2()
{
    QFETCH(QByteArray, archive);
    QFETCH(bool, inGameLetters);
    QFETCH(QString, note);

    InstalledLetters installed(archive);
    ScriptPlayerWindow window(*m_colors, installed.letters);
    window.setScript(u"set name ^1AA\r\n"_s);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(installed.read());
    auto *name = window.findChild<GameNameView *>(u"nameView"_s);
    const auto *lettersNote = window.findChild<QLabel *>(u"lettersNote"_s);
    QCOMPARE(name->name(), u"^1AA"_s);
    QCOMPARE(lettersNote->text(), note);
    QCOMPARE(InstalledLetters::drawnPart(name->grab().toImage()),
        installed.expectedDrawing(*name, inGameLetters, *m_colors));

    auto *game = window.findChild<QComboBox *>(u"gameBox"_s);
    game->setCurrentIndex(game->findData(int(GameVersion::Cod11)));
    QCOMPARE(lettersNote->text(), QString());
    QCOMPARE(InstalledLetters::drawnPart(name->grab().toImage()),
        installed.expectedDrawing(*name, false, *m_colors));
}

QTEST_MAIN(tst_ScriptPlayerWindow)
#include "tst_scriptplayerwindow.moc"
