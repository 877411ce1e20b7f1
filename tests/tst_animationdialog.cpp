// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "installedletters.h"
#include "player/animationdialog.h"
#include "widgets/gamecolors.h"
#include "widgets/gamenameview.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The Insert Animation dialog: it plays what it makes, keeps it within the game's limits and
// says what its pace costs on a server.
class tst_AnimationDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void playsAndOffersAShorterForm();
    void saysWhatItsPaceCosts();
    void remembersAndCountsItsNames();
    void previewDrawsInTheGameLetters_data() { InstalledLetters::addRows(); }
    void previewDrawsInTheGameLetters();

private:
    QTemporaryDir m_settings;
    GameColors m_colors;
    InstalledLetters m_noGame { {} };
};

void tst_AnimationDialog::initTestCase()
{
    // The dialog's choices go to the test's own settings.
    QVERIFY(m_settings.isValid());
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
}

void tst_AnimationDialog::cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

void tst_AnimationDialog::playsAndOffersAShorterForm()
{
    AnimationDialog dialog(u"^1abcdefghijklmnopqr"_s, m_colors, m_noGame.letters); // 20 bytes
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const auto find
        = [&dialog](const char *name) { return dialog.findChild<QWidget *>(QLatin1String(name)); };
    QPushButton *insert = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);

    // The chase offered first fits the game's 31 bytes: codes only where the color changes.
    QCOMPARE(qobject_cast<QComboBox *>(find("effectBox"))->currentText().left(5), u"Chase"_s);
    auto *compact = qobject_cast<QCheckBox *>(find("compactBox"));
    QVERIFY(compact->isChecked());
    QVERIFY(insert->isEnabled());
    // A code for each of the 18 letters makes 54 bytes: too long, and said so, with the way back.
    compact->setChecked(false);
    QVERIFY(!insert->isEnabled());
    QVERIFY2(qobject_cast<QLabel *>(find("problemLabel"))->text().contains(u"54 bytes"_s),
        qPrintable(qobject_cast<QLabel *>(find("problemLabel"))->text()));
    auto *shorter = qobject_cast<QPushButton *>(find("shorterButton"));
    QVERIFY(shorter->isVisible() && shorter->isEnabled());
    shorter->click();
    QVERIFY(compact->isChecked());
    QVERIFY(insert->isEnabled());
    QVERIFY(dialog.script().startsWith(u"set name \"^2a^1bcdefghijklmnopqr\"\nwait 20\n"_s));

    // The preview plays: the chase moves on to the next letter.
    auto *preview = qobject_cast<GameNameView *>(find("preview"));
    QCOMPARE(preview->name(), u"^2a^1bcdefghijklmnopqr"_s);
    QTRY_COMPARE(preview->name(), u"^1a^2b^1cdefghijklmnopqr"_s);

    // One step for each press of a key: a bind, no loop.
    qobject_cast<QComboBox *>(find("formBox"))->setCurrentIndex(1);
    QVERIFY(dialog.script().endsWith(u"\nbind F7 \"vstr tmstep\""_s));
    QVERIFY(insert->isEnabled());
    QVERIFY(!find("delaySpin")->isEnabled());

    // A chase in the name's own red alone would show the same name in every frame.
    for (const char *color : { "color_2", "color_3", "color_5", "color_6" })
        qobject_cast<QAbstractButton *>(find(color))->setChecked(false);
    qobject_cast<QAbstractButton *>(find("color_1"))->setChecked(true);
    QVERIFY(!insert->isEnabled());
    QVERIFY(qobject_cast<QLabel *>(find("problemLabel"))
                ->text()
                .startsWith(u"Every frame looks the same"_s));
}

void tst_AnimationDialog::saysWhatItsPaceCosts()
{
    AnimationDialog dialog(u"^1Pace"_s, m_colors, m_noGame.letters);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const auto *pace = dialog.findChild<QLabel *>(u"paceLabel"_s);
    QPushButton *insert = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    // 20 ticks, 110 ms a frame: others see every frame, chat is dropped, and the keys wait; it
    // is the player's choice, and goes in.
    QVERIFY2(pace->text().startsWith(u"Others on the server see every frame. Your chat is "
                                     "dropped while it plays"_s),
        qPrintable(pace->text()));
    QVERIFY(insert->isEnabled());
    // 0.8 s is 73 frames of 11 ms.
    dialog.findChild<QPushButton *>(u"chatSafeButton"_s)->click();
    QCOMPARE(dialog.findChild<QSpinBox *>(u"delaySpin"_s)->value(), 146);
    QVERIFY2(pace->text().contains(u"Chat keeps working."_s), qPrintable(pace->text()));
    QVERIFY(insert->isEnabled());
    // Too fast for the snapshots: 1 tick, under a frame.
    dialog.findChild<QSpinBox *>(u"delaySpin"_s)->setValue(4);
    QVERIFY2(
        pace->text().startsWith(u"Others on the server miss frames"_s), qPrintable(pace->text()));
    dialog.findChild<QComboBox *>(u"formBox"_s)->setCurrentIndex(1);
    QVERIFY(pace->text().contains(u"works on every server"_s));
}

// The dialog counts the names its script writes, warns of a key the game's config binds, and
// starts from the choices last inserted.
void tst_AnimationDialog::remembersAndCountsItsNames()
{
    {
        AnimationDialog dialog(u"^1Tint"_s, m_colors, m_noGame.letters);
        dialog.setKeysBoundInTheGame({ KeyBinding { u"F1"_s, u"vote yes"_s } });
        dialog.findChild<QComboBox *>(u"effectBox"_s)->setCurrentIndex(0); // color cycle
        dialog.findChild<QComboBox *>(u"formBox"_s)->setCurrentIndex(1); // a key's steps
        dialog.findChild<QLineEdit *>(u"keyEdit"_s)->setText(u"f1"_s);
        const QString size = dialog.findChild<QLabel *>(u"sizeLabel"_s)->text();
        QVERIFY2(size.startsWith(u"%1 names"_s.arg(dialog.script().count(u"set name"_s))),
            qPrintable(size + u'\n' + dialog.script()));
        QVERIFY(dialog.findChild<QLabel *>(u"paceLabel"_s)
                    ->text()
                    .contains(u"Your game's config binds F1 to \"vote yes\""_s));
        dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    }
    AnimationDialog again(u"^2Other"_s, m_colors, m_noGame.letters);
    QCOMPARE(again.findChild<QComboBox *>(u"effectBox"_s)->currentIndex(), 0);
    QCOMPARE(again.findChild<QComboBox *>(u"formBox"_s)->currentIndex(), 1);
    QCOMPARE(again.findChild<QLineEdit *>(u"keyEdit"_s)->text(), u"f1"_s);
    QCOMPARE(again.findChild<QLineEdit *>(u"nameEdit"_s)->text(), u"^2Other"_s);
}

// The preview plays the name in the game's own letters, and says so.
void tst_AnimationDialog::previewDrawsInTheGameLetters()
{
    QFETCH(QByteArray, archive);
    QFETCH(bool, inGameLetters);
    QFETCH(QString, note);

    InstalledLetters installed(archive);
    QVERIFY(installed.read());
    AnimationDialog dialog(u"^1Tint"_s, m_colors, installed.letters);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.findChild<QLabel *>(u"lettersNote"_s)->text(), note);
    auto *preview = dialog.findChild<GameNameView *>(u"preview"_s);
    QVERIFY(!preview->name().isEmpty());
    QCOMPARE(InstalledLetters::drawnPart(preview->grab().toImage()),
        installed.expectedDrawing(*preview, inGameLetters, m_colors));
}

QTEST_MAIN(tst_AnimationDialog)
#include "tst_animationdialog.moc"
