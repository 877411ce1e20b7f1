// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef RECENTSCRIPTS_H
#define RECENTSCRIPTS_H

#include <QStringList>

// The scripts last opened or saved in the editor, newest first, kept across runs.
namespace RecentScripts {

constexpr int kept = 5;

QStringList paths();
void add(const QString &path);

} // namespace RecentScripts

#endif // RECENTSCRIPTS_H
