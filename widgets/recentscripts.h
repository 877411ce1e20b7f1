// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef RECENTSCRIPTS_H
#define RECENTSCRIPTS_H

#include <QStringList>

#include <functional>

class QMenu;

// The scripts last opened in the editor or saved from either window, newest first, kept across
// runs.
namespace RecentScripts {

constexpr int kept = 5;

QStringList paths();
void add(const QString &path);
// Adds "Open Recent" to menu: the scripts by file name, and where two share a name with their
// folders too, read when it opens; each calls open with its path.
void addMenu(QMenu *menu, const std::function<void(const QString &)> &open);

} // namespace RecentScripts

#endif // RECENTSCRIPTS_H
