// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CODEPAGE_H
#define CODEPAGE_H

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>
#include <QStringView>

#include <optional>

// The 8-bit character sets the games' editions read scripts and draw names in: each byte one
// character, the same bytes below 0x80, other letters above. The program encodes them itself: Qt
// knows them only through ICU, which builds for Windows usually lack.
class CodePage {
    Q_DECLARE_TR_FUNCTIONS(CodePage)

public:
    enum class Id { CentralEuropean = 1250, Cyrillic = 1251, Western = 1252 };
    static constexpr Id all[] = { Id::Western, Id::CentralEuropean, Id::Cyrillic };

    constexpr CodePage(Id id = Id::Western)
        : m_id(id)
    {
    }
    constexpr Id id() const { return m_id; }
    friend constexpr bool operator==(CodePage, CodePage) = default;

    // "Windows-1250"
    QString name() const;
    // "Central European", the letters it holds as players know them
    QString letters() const;

    // Whether the code page holds this character.
    bool holds(char32_t codePoint) const;
    // The first code point the code page cannot hold; a lone surrogate counts as one.
    std::optional<char32_t> firstUnencodable(QStringView text) const;
    // The bytes of text, which must hold no character that firstUnencodable() finds.
    QByteArray encode(QStringView text) const;
    // The text of bytes: every byte has its character, so encoding it gives the same bytes
    // again.
    QString decode(QByteArrayView bytes) const;
    // text spelt in letters the code page holds: a letter it lacks gives way to its Latin
    // spelling (Снайпер to Snajper, Łukasz to Lukasz, ễ to e), the character of a color code to
    // one character, and a character without a spelling is left out.
    QString respelled(QStringView text) const;
    // Whether every character from 0xA0 is the byte of its own value, as in Latin-1: text then
    // narrows to its bytes wherever it avoids 0x80 to 0x9F.
    bool sharesLatin1() const { return m_id == Id::Western; }

private:
    const char16_t *upperHalf() const;

    Id m_id;
};

#endif // CODEPAGE_H
