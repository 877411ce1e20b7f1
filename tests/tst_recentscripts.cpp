// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/recentscripts.h"

#include <QDir>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The scripts last opened or saved, offered again in a menu.
class tst_RecentScripts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void recentScriptsAreOffered();

private:
    QTemporaryDir m_settings;
};

void tst_RecentScripts::initTestCase()
{
    // The list goes to the test's own settings.
    QVERIFY(m_settings.isValid());
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
}

// Scripts saved or opened come back through the menu, newest first, five of them.
void tst_RecentScripts::recentScriptsAreOffered()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QMenu menu;
    QString opened;
    RecentScripts::addMenu(&menu, [&opened](const QString &path) { opened = path; });
    auto *recent = menu.findChild<QMenu *>(u"recentMenu"_s);
    QVERIFY(recent);
    emit recent->aboutToShow();
    QCOMPARE(recent->actions().size(), 1);
    QVERIFY(!recent->actions().first()->isEnabled()); // none yet

    for (int i = 1; i <= 6; ++i)
        RecentScripts::add(dir.filePath(u"saved%1.cfg"_s.arg(i)));
    RecentScripts::add(dir.filePath(u"main.cfg"_s));
    RecentScripts::add(dir.filePath(u"opened.cfg"_s));
    // A second script of the same name is told apart by its folder.
    RecentScripts::add(dir.filePath(u"other/opened.cfg"_s));

    emit recent->aboutToShow();
    QStringList shown;
    for (const QAction *action : recent->actions())
        shown << action->text() + u" @ "_s + action->toolTip();
    const QString folder = QDir::toNativeSeparators(dir.path());
    const QString other = QDir::toNativeSeparators(dir.filePath(u"other"_s));
    QCOMPARE(shown,
        (QStringList { u"opened.cfg (%1) @ %1"_s.arg(other),
            u"opened.cfg (%1) @ %1"_s.arg(folder), u"main.cfg @ "_s + folder,
            u"saved6.cfg @ "_s + folder, u"saved5.cfg @ "_s + folder }));
    recent->actions().constLast()->trigger();
    QCOMPARE(opened, dir.filePath(u"saved5.cfg"_s));
}

QTEST_MAIN(tst_RecentScripts)
#include "tst_recentscripts.moc"
