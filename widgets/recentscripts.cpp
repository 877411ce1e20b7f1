// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "recentscripts.h"

#include <QFileInfo>
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
