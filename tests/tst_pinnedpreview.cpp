// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cfgfile/codepage.h"
#include "installedletters.h"
#include "widgets/gamecolors.h"
#include "widgets/gamenameview.h"
#include "widgets/namepreview.h"
#include "widgets/notesview.h"
#include "widgets/pinnedpreview.h"

#include <QApplication>
#include <QLabel>
#include <QSettings>
#include <QTest>

using namespace Qt::StringLiterals;

// The preview kept on screen beside its window: the name whole, the notes below it, the window
// keeping its place and size.
class tst_PinnedPreview : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void initTestCase();
    void staysWholeBesideItsWindow();
    void drawsInTheGameLetters_data();
    void drawsInTheGameLetters();

private:
    QTemporaryDir m_settings;
};

void tst_PinnedPreview::initTestCase()
{
    // The edition the player chose goes to the test's own settings.
    QVERIFY(m_settings.isValid());
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
}

void tst_PinnedPreview::staysWholeBesideItsWindow()
{
    QWidget window;
    window.setGeometry(232, 324, 664, 127);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    GameColors colors;
    InstalledLetters none({});
    auto *pinned = new PinnedPreview(&window, colors, none.letters);
    pinned->setName(NamePreview::judge(u"^4A"_s, CodePage()));
    pinned->placeBeside(&window);
    pinned->show();
    QVERIFY(QTest::qWaitForWindowExposed(pinned));
    QVERIFY(!pinned->frameGeometry().intersects(window.geometry()));
    const auto *name = pinned->findChild<GameNameView *>(u"pinnedName"_s);
    QCOMPARE(name->name(), u"^4A"_s);
    // What the game makes of the name: the comment ends at the ;, and x runs.
    pinned->setName(NamePreview::judge(u"^4A//B;x"_s, CodePage()));
    QCOMPARE(name->name(), u"^4A"_s);
    QVERIFY(pinned->findChild<NotesView *>(u"pinnedDetails"_s)
                ->text()
                .contains(u"would set the name to ^4A and then run: x"_s));
    // Four notes and a cut: the name stays whole, and the window keeps its place and size.
    const QRect before = pinned->frameGeometry();
    pinned->setName(NamePreview::judge(u"^6^8^9^0 \"Tint\" "_s + QString(40, u'x'), CodePage()));
    QCOMPARE(pinned->frameGeometry(), before);
    QVERIFY(name->height() >= name->sizeHint().height());
    QVERIFY(!pinned->frameGeometry().intersects(window.frameGeometry()));
}

void tst_PinnedPreview::drawsInTheGameLetters_data() { InstalledLetters::addRows(); }

// The kept preview: the name in the game's glyphs once they are read, with a line that says so,
// the window keeping its size; as before without them.
void tst_PinnedPreview::drawsInTheGameLetters()
{
    QFETCH(QByteArray, archive);
    QFETCH(bool, inGameLetters);
    QFETCH(QString, note);

    InstalledLetters installed(archive);
    GameColors colors;
    QWidget window;
    auto *pinned = new PinnedPreview(&window, colors, installed.letters);
    const QString shownName = u"^1AA"_s;
    pinned->setName(NamePreview::judge(shownName, CodePage()));
    pinned->show();
    QVERIFY(QTest::qWaitForWindowExposed(pinned));
    const QSize before = pinned->size();
    QVERIFY(installed.read());
    QCOMPARE(pinned->findChild<QLabel *>(u"pinnedLetters"_s)->text(), note);
    QCOMPARE(pinned->size(), before);

    auto *name = pinned->findChild<GameNameView *>(u"pinnedName"_s);
    QCOMPARE(InstalledLetters::drawnPart(name->grab().toImage()),
        installed.expectedDrawing(*name, inGameLetters, colors));
}

QTEST_MAIN(tst_PinnedPreview)
#include "tst_pinnedpreview.moc"
