// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/gamecolors.h"
#include "widgets/gameedition.h"
#include "widgets/helpmenu.h"
#include "app/tintmarkprogram.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

// The Help menu both windows share: its pages stay open beside the window, and About names the
// program.
class tst_HelpMenu : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void helpPagesSayWhatToDo_data();
    void helpPagesSayWhatToDo();
    void aboutNamesTheVersionAndLicence();

private:
    InstalledGames m_games { GameSearch() }; // none
    GameEdition m_edition { m_games };
    GameColors m_colors;
    QString m_script; // the window's
    std::unique_ptr<QWidget> m_window;
};

void tst_HelpMenu::initTestCase() { TintmarkProgram::setUpIdentity(); }

void tst_HelpMenu::init()
{
    m_window = std::make_unique<QWidget>();
    HelpMenu::addTo(new QMenuBar(m_window.get()), m_window.get(), m_edition, m_colors,
        [this] { return m_script; });
    m_window->show();
}

void tst_HelpMenu::cleanup()
{
    m_window.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_HelpMenu::helpPagesSayWhatToDo_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("script"); // the window's, if any
    QTest::addColumn<QStringList>("says");
    QTest::newRow("in the game") << u"inTheGameAction"_s << u"inTheGamePage"_s << QString()
                                 << QStringList { "<b>main</b>", "/exec name.cfg", "~" };
    QTest::newRow("in the game, for the window's script")
        << u"inTheGameAction"_s << u"inTheGamePage"_s << u"names/sniper.cfg"_s
        << QStringList { "/exec sniper.cfg" };
    QTest::newRow("color codes") << u"colorCodesAction"_s << u"colorCodesPage"_s << QString()
                                 << QStringList { "^1", "^0", "magenta", "allied team" };
}

// Every command is in the menu bar, Help's pages included, which stay open beside the window.
void tst_HelpMenu::helpPagesSayWhatToDo()
{
    QFETCH(QString, action);
    QFETCH(QString, page);
    QFETCH(QString, script);
    QFETCH(QStringList, says);
    m_script = script;
    auto *help = m_window->findChild<QMenu *>(u"helpMenu"_s);
    QVERIFY(help);
    help->findChild<QAction *>(action)->trigger();
    auto *shown = m_window->findChild<QMessageBox *>(page);
    QVERIFY(shown && shown->isVisible() && !shown->isModal());
    for (const QString &words : says)
        QVERIFY2(shown->text().contains(words), qPrintable(shown->text()));
    shown->close();
}

void tst_HelpMenu::aboutNamesTheVersionAndLicence()
{
    QString about;
    QTimer::singleShot(0, this, [&about] {
        QWidget *box = QApplication::activeModalWidget();
        about = box ? qobject_cast<QMessageBox *>(box)->text() : QString();
        if (box)
            box->close();
    });
    m_window->findChild<QAction *>(u"aboutAction"_s)->trigger();
    QVERIFY2(about.contains(u"Tintmark 1.0.0"_s), qPrintable(about));
    QVERIFY(about.contains(u"GNU General Public License, version 3 or later"_s));
}

QTEST_MAIN(tst_HelpMenu)
#include "tst_helpmenu.moc"
