// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "recentscripts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace {

const QString recentKey = QStringLiteral("files/recentScripts");

} // namespace

QStringList RecentScripts::paths() { return QSettings().value(recentKey).toStringList(); }

void RecentScripts::add(const QString &path)
{
    const QString file = QFileInfo(path).absoluteFilePath();
    QStringList recent = paths();
    recent.removeAll(file);
    recent.prepend(file);
    QSettings().setValue(recentKey, recent.mid(0, kept));
}

namespace {

void fill(QMenu *menu, const std::function<void(const QString &)> &open)
{
    menu->clear();
    menu->setToolTipsVisible(true);
    const QStringList recent = RecentScripts::paths();
    QStringList names;
    for (const QString &path : recent)
        names << QFileInfo(path).fileName();
    for (const QString &path : recent) {
        const QFileInfo file(path);
        const QString folder = QDir::toNativeSeparators(file.absolutePath());
        const QString name = file.fileName();
        QAction *action = menu->addAction(
            names.count(name) > 1 ? QStringLiteral("%1 (%2)").arg(name, folder) : name, menu,
            [open, path] { open(path); });
        action->setToolTip(folder);
    }
    if (recent.isEmpty())
        menu->addAction(
                QCoreApplication::translate("RecentScripts", "No scripts opened or saved yet"))
            ->setEnabled(false);
}

} // namespace

void RecentScripts::addMenu(QMenu *menu, const std::function<void(const QString &)> &open)
{
    QMenu *recent = menu->addMenu(QCoreApplication::translate("RecentScripts", "Open &Recent"));
    recent->setObjectName(QStringLiteral("recentMenu"));
    QObject::connect(recent, &QMenu::aboutToShow, recent, [recent, open] { fill(recent, open); });
}
