// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef RECENTSCRIPTS_H
#define RECENTSCRIPTS_H

#include <QStringList>

// The scripts last opened in the editor or saved from either window, newest first, kept across
// runs.
namespace RecentScripts {

constexpr int kept = 5;

QStringList paths();
void add(const QString &path);

} // namespace RecentScripts

#endif // RECENTSCRIPTS_H
