// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "namelettersvalidator.h"

#include "cfgfile/codepage.h"

#include <algorithm>

QValidator::State NameLettersValidator::validate(QString &input, int &pos) const
{
    const State state = SingleLineValidator::validate(input, pos);
    if (state == Invalid)
        return state;
    // toUcs4() gives a lone surrogate as U+FFFD, which no edition holds either.
    for (const char32_t character : input.toUcs4()) {
        const auto shows = [character](CodePage::Id id) { return CodePage(id).holds(character); };
        if (std::ranges::none_of(CodePage::all, shows)) {
            m_refused = character;
            return Invalid;
        }
    }
    return state;
}
