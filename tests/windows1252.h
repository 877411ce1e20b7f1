// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef WINDOWS1252_H
#define WINDOWS1252_H

#include <QByteArray>
#include <QString>

// The 27 characters that Windows-1252 holds from 0x80 to 0x9F, and its bytes for them, written
// out from the code page's table.
inline const QString windows1252Extras
    = QStringLiteral(u"\u20ac\u201a\u0192\u201e\u2026\u2020\u2021\u02c6\u2030"
                     u"\u0160\u2039\u0152\u017d\u2018\u2019\u201c\u201d"
                     u"\u2022\u2013\u2014\u02dc\u2122\u0161\u203a\u0153"
                     u"\u017e\u0178");
inline const QByteArray windows1252ExtraBytes
    = "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8a\x8b\x8c\x8e"
      "\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9a\x9b\x9c\x9e"
      "\x9f";

#endif // WINDOWS1252_H
