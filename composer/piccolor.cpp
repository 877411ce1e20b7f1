// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "piccolor.h"

namespace {

QString colorCode(char16_t digit)
{
    const QChar code[] = { QChar(u'^'), QChar(digit) };
    return QString(code, 2);
}

} // namespace

QString picColor::One() const { return colorCode(u'1'); }
QString picColor::Two() const { return colorCode(u'2'); }
QString picColor::Three() const { return colorCode(u'3'); }
QString picColor::Four() const { return colorCode(u'4'); }
QString picColor::Five() const { return colorCode(u'5'); }
QString picColor::Six() const { return colorCode(u'6'); }
QString picColor::Seven() const { return colorCode(u'7'); }
QString picColor::Eight() const { return colorCode(u'8'); }
QString picColor::Nine() const { return colorCode(u'9'); }
// The tenth code is caret zero: the games have no two-digit codes.
QString picColor::Ten() const { return colorCode(u'0'); }
