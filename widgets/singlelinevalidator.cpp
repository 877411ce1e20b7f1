// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "singlelinevalidator.h"

#include <algorithm>

namespace {

// Also the characters that the script editor's document takes as line or frame breaks, so that
// a name handed to the editor stays on its line.
bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator
        || c == u'\ufdd0' || c == u'\ufdd1';
}

} // namespace

QStringView SingleLineValidator::firstLine(QStringView text)
{
    return text.first(std::find_if(text.cbegin(), text.cend(), isLineBreak) - text.cbegin());
}

QValidator::State SingleLineValidator::validate(QString &input, int &pos) const
{
    const auto firstBreak = std::find_if(input.cbegin(), input.cend(), isLineBreak);
    if (firstBreak == input.cend())
        return Acceptable;

    // The text held no break before this edit, so the break belongs to the text just inserted,
    // which ends at the cursor: drop the inserted text from the break up to the cursor.
    const int breakAt = int(firstBreak - input.cbegin());
    if (pos <= breakAt)
        return Invalid;
    input.remove(breakAt, pos - breakAt);
    pos = breakAt;
    return Acceptable;
}
