// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef NAMELETTERSVALIDATOR_H
#define NAMELETTERSVALIDATOR_H

#include "singlelinevalidator.h"

#include <optional>

// Keeps a name to one line of characters that some edition of the games can show: each edition
// draws names in an 8-bit code page, so an emoji or a Chinese character is no letter of any.
// What it refuses, it names in refused() until the next refusal.
class NameLettersValidator : public SingleLineValidator {
    Q_OBJECT

public:
    using SingleLineValidator::SingleLineValidator;

    State validate(QString &input, int &pos) const override;
    std::optional<char32_t> refused() const { return m_refused; }

private:
    mutable std::optional<char32_t> m_refused;
};

#endif // NAMELETTERSVALIDATOR_H
