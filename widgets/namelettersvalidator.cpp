// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "namelettersvalidator.h"

#include "codepage.h"

#include <algorithm>

QValidator::State NameLettersValidator::validate(QString &input, int &pos) const
{
    const State state = SingleLineValidator::validate(input, pos);
    if (state == Invalid)
        return state;
    for (qsizetype i = 0; i < input.size(); ++i) {
        char32_t character = input[i].unicode();
        if (input[i].isHighSurrogate() && i + 1 < input.size() && input[i + 1].isLowSurrogate()) {
            character = QChar::surrogateToUcs4(input[i], input[i + 1]);
            ++i;
        }
        const auto shows = [character](CodePage::Id id) { return CodePage(id).holds(character); };
        if (std::ranges::none_of(CodePage::all, shows)) {
            m_refused = character;
            return Invalid;
        }
    }
    return state;
}
