// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows1252.h"

#include <algorithm>
#include <iterator>

namespace {

// From 0x80 to 0x9F Windows-1252 holds these characters in place of Latin-1's control codes.
// The five bytes it leaves undefined stand for the control codes of their own value, as the
// system converters have them.
constexpr char16_t upperControlRange[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};

bool isCommonToLatin1(char16_t c) { return c < 0x80 || (c >= 0xA0 && c <= 0xFF); }

std::optional<char> byteFor(char16_t c)
{
    if (isCommonToLatin1(c))
        return char(c);
    const auto found = std::find(std::begin(upperControlRange), std::end(upperControlRange), c);
    if (found == std::end(upperControlRange))
        return std::nullopt;
    return char(0x80 + (found - std::begin(upperControlRange)));
}

} // namespace

std::optional<char32_t> Windows1252::firstUnencodable(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (byteFor(c.unicode()))
            continue;
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            return QChar::surrogateToUcs4(c, text[i + 1]);
        return c.unicode();
    }
    return std::nullopt;
}

QByteArray Windows1252::encode(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    std::ranges::transform(
        text, bytes.begin(), [](QChar c) { return byteFor(c.unicode()).value(); });
    return bytes;
}

QString Windows1252::decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    std::ranges::transform(bytes, text.begin(), [](char byte) {
        const uchar b = uchar(byte);
        return QChar(b >= 0x80 && b < 0xA0 ? upperControlRange[b - 0x80] : char16_t(b));
    });
    return text;
}
