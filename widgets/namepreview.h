// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef NAMEPREVIEW_H
#define NAMEPREVIEW_H

#include <QString>

// A rich-text preview of the name as the game shows it, with its length as the game counts it,
// what the game cuts off, and the characters it refuses. Only a hint: the script holds the name
// exactly as typed.
QString namePreviewHtml(const QString &name);

#endif // NAMEPREVIEW_H
