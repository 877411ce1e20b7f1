// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef NAMEPREVIEW_H
#define NAMEPREVIEW_H

#include <QCoreApplication>
#include <QString>

// A rich-text preview of the name as the game shows it, the end it cuts off marked after it, with
// its length as the game counts it and the characters it refuses. Only a hint: the script holds
// the name exactly as typed.
class NamePreview {
    Q_DECLARE_TR_FUNCTIONS(NamePreview)

public:
    static QString html(const QString &name);
    // The name as the game shows it, from the line a save writes.
    static QString shownName(const QString &typed);
    // The html's text below the drawn name: length, cut, refusal and the codes' notes.
    static QString detailsHtml(const QString &typed);
    // What the game does with a color code that its swatch does not show: ^6's color, the team
    // colors of ^8 and ^9, ^0 removed; empty for the others.
    static QString aboutCode(QChar digit);
};

#endif // NAMEPREVIEW_H
