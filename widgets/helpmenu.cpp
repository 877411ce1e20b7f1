// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "helpmenu.h"

#include "console/colorruns.h"
#include "gamecolors.h"
#include "gameedition.h"

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QMenuBar>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace {

// A page that stays open beside the window while the player follows it.
void showPage(QWidget *window, const QString &objectName, const QString &title, const QString &html)
{
    auto *page = new QMessageBox(QMessageBox::NoIcon, title, html, QMessageBox::Close, window);
    page->setObjectName(objectName);
    page->setTextFormat(Qt::RichText);
    page->setTextInteractionFlags(Qt::TextSelectableByMouse);
    page->setAttribute(Qt::WA_DeleteOnClose);
    page->setModal(false);
    page->show();
}

} // namespace

void HelpMenu::addTo(QMenuBar *menuBar, QWidget *window, GameEdition &edition,
    const GameColors &colors, std::function<QString()> script)
{
    QMenu *help = menuBar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    QAction *inTheGame
        = help->addAction(tr("Using the Script in the &Game"), window, [window, &edition, script] {
              showPage(window, QStringLiteral("inTheGamePage"), tr("Using the Script in the Game"),
                  HelpMenu::inTheGame(edition, script()));
          });
    inTheGame->setObjectName(QStringLiteral("inTheGameAction"));
    inTheGame->setShortcut(QKeySequence::HelpContents);
    help->addAction(tr("What the &Color Codes Do"), window,
            [window, &colors] {
                showPage(window, QStringLiteral("colorCodesPage"), tr("What the Color Codes Do"),
                    HelpMenu::colorCodes(colors));
            })
        ->setObjectName(QStringLiteral("colorCodesAction"));
    help->addSeparator();
    help->addAction(tr("&About Tintmark..."), window, [window] { showAbout(window); })
        ->setObjectName(QStringLiteral("aboutAction"));
    help->addAction(tr("About &Qt..."), qApp, &QApplication::aboutQt);
}

QString HelpMenu::inTheGame(GameEdition &edition, const QString &path)
{
    QString folders;
    for (const GameInstall &game : edition.games().games()) {
        folders += tr("<li>%1: <code>%2</code></li>")
                       .arg(GameNames::of(game.family()),
                           QDir::toNativeSeparators(game.scriptFolder).toHtmlEscaped());
    }
    const QString where = folders.isEmpty()
        ? tr("Tintmark found no game on this computer. The main folder is the folder "
             "<code>main</code> in the folder the game is installed in.")
        : tr("Tintmark found:<ul>%1</ul>").arg(folders);
    const QString exec
        = path.isEmpty() ? u"/exec name.cfg"_s : edition.placeOf(path).consoleCommand();
    return tr("<ol><li>Save the script into the game's <b>main</b> folder. %1</li>"
              "<li>Start the game, open the console with <b>~</b> and type <code>%2</code>%3.</li>"
              "<li>A script that binds keys, such as an animated name that plays on a key, starts "
              "when you press that key.</li></ol>"
              "<p>The notice after a save shows the command for that script, ready to copy.</p>")
        .arg(where, exec.toHtmlEscaped(),
            path.isEmpty() ? tr(", with the name you saved") : QString());
}

QString HelpMenu::colorCodes(const GameColors &colors)
{
    QString rows;
    for (const QChar digit : QStringView(u"1234567890")) {
        const QString about = aboutColorCode(digit);
        rows += u"<tr><td bgcolor=\"%1\">&nbsp;&nbsp;&nbsp;&nbsp;</td><td><b>^%2</b></td>"
                "<td>%3</td></tr>"_s.arg(QColor(colors.palette()[digit.digitValue()]).name(),
                    digit, (about.isEmpty() ? colorCodeName(digit) : about).toHtmlEscaped());
    }
    return tr("<p>A caret and a digit color the letters after them in the game:</p>"
              "<table cellspacing=\"4\">%1</table>"
              "<p>A caret and any other character is a code too: COD 2 shows the letters after it "
              "white. A caret before another caret shows as it is.</p>")
               .arg(rows)
        + tr("<p>The preview draws the name in COD 2's own letters, read from the game's files, "
             "when Tintmark finds COD 2 on this computer, and says so below the name. Without "
             "the game, or when its font cannot be read, it draws the name in the desktop's "
             "letters, which are only near the game's.</p>");
}

void HelpMenu::showAbout(QWidget *window)
{
    QMessageBox::about(window, tr("About Tintmark"),
        tr("<h3>Tintmark %1</h3>"
           "<p>Colored player names and name scripts for COD and COD 2.</p>"
           "<p>Tintmark is free software under the GNU General Public License, version 3 or "
           "later. It comes with no warranty.</p>"
           "<p>Built with Qt %2, used under the GNU Lesser General Public License, version 3.</p>")
            .arg(QCoreApplication::applicationVersion(), QLatin1String(QT_VERSION_STR)));
}
