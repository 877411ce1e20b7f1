// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef NAMEPREVIEW_H
#define NAMEPREVIEW_H

#include "setnameline.h"
#include "shownname.h"

#include <QCoreApplication>
#include <QString>

// A typed name as the console judges it, once per change: the line a save writes, the name the
// game shows from it, and the color codes typed.
struct JudgedName {
    SetNameLine line;
    ShownName name;
    QString codes;
};

// A rich-text preview of the name as the game shows it, the end it cuts off marked after it, with
// its length as the game counts it and the characters it refuses. Only a hint: the script holds
// the name exactly as typed.
class NamePreview {
    Q_DECLARE_TR_FUNCTIONS(NamePreview)

public:
    static JudgedName judge(const QString &typed);
    // heading: a line above the preview, if any.
    static QString html(const JudgedName &judged, const QString &heading = {});
    // The html's text below the drawn name: length, cut, refusal and the codes' notes.
    static QString detailsHtml(const JudgedName &judged);
};

#endif // NAMEPREVIEW_H
