// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codepage.h"

#include <algorithm>
#include <iterator>
#include <span>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// The characters of the bytes from 0x80, as Microsoft publishes them. The bytes a code page
// leaves undefined stand for the control codes of their own value, as the system converters
// have them.
constexpr char16_t windows1250[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 0x98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // 0xA0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // 0xA8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // 0xB0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // 0xB8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // 0xC0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // 0xC8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // 0xD0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // 0xD8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // 0xE0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // 0xE8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // 0xF0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // 0xF8
};
constexpr char16_t windows1251[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // 0xB8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, // 0xC0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, // 0xC8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, // 0xD0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, // 0xD8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, // 0xE0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, // 0xE8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, // 0xF0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F, // 0xF8
};
constexpr char16_t windows1252[128] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7, // 0xA0
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF, // 0xA8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // 0xB0
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF, // 0xB8
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7, // 0xC0
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF, // 0xC8
    0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7, // 0xD0
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF, // 0xD8
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7, // 0xE0
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF, // 0xE8
    0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7, // 0xF0
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF, // 0xF8
};

using Spelling = std::pair<char16_t, const char16_t *>;

// Russian, Ukrainian, Belarusian and Serbian letters as Polish and Czech players spell them in
// Latin letters, й as j: Снайпер is Snajper.
constexpr Spelling cyrillicSpellings[] = { { u'а', u"a" }, { u'б', u"b" }, { u'в', u"v" },
    { u'г', u"g" }, { u'д', u"d" }, { u'е', u"e" }, { u'ё', u"e" }, { u'ж', u"zh" }, { u'з', u"z" },
    { u'и', u"i" }, { u'й', u"j" }, { u'к', u"k" }, { u'л', u"l" }, { u'м', u"m" }, { u'н', u"n" },
    { u'о', u"o" }, { u'п', u"p" }, { u'р', u"r" }, { u'с', u"s" }, { u'т', u"t" }, { u'у', u"u" },
    { u'ф', u"f" }, { u'х', u"h" }, { u'ц', u"c" }, { u'ч', u"ch" }, { u'ш', u"sh" },
    { u'щ', u"shch" }, { u'ъ', u"" }, { u'ы', u"y" }, { u'ь', u"" }, { u'э', u"e" },
    { u'ю', u"ju" }, { u'я', u"ja" }, { u'і', u"i" }, { u'ї', u"ji" }, { u'є', u"je" },
    { u'ґ', u"g" }, { u'ў', u"u" }, { u'ђ', u"dj" }, { u'ј', u"j" }, { u'љ', u"lj" },
    { u'њ', u"nj" }, { u'ћ', u"c" }, { u'џ', u"dz" }, { u'ѓ', u"g" }, { u'ќ', u"k" },
    { u'ѕ', u"dz" } };
// Latin letters that do not decompose into a plain letter and a mark.
constexpr Spelling latinSpellings[]
    = { { u'Ł', u"L" }, { u'ł', u"l" }, { u'Đ', u"D" }, { u'đ', u"d" }, { u'Ø', u"O" },
          { u'ø', u"o" }, { u'ß', u"ss" }, { u'Æ', u"AE" }, { u'æ', u"ae" }, { u'Œ', u"OE" },
          { u'œ', u"oe" }, { u'Þ', u"Th" }, { u'þ', u"th" }, { u'ð', u"d" }, { u'ı', u"i" } };

std::optional<QString> spelling(std::span<const Spelling> spellings, char16_t letter)
{
    const auto found = std::ranges::find(spellings, letter, &Spelling::first);
    if (found == spellings.end())
        return std::nullopt;
    return QString::fromUtf16(found->second);
}

} // namespace

QString CodePage::name() const { return u"Windows-%1"_s.arg(int(m_id)); }

QString CodePage::letters() const
{
    switch (m_id) {
    case Id::CentralEuropean:
        return tr("Central European");
    case Id::Cyrillic:
        return tr("Cyrillic");
    case Id::Western:
        break;
    }
    return tr("Western European");
}

const char16_t *CodePage::upperHalf() const
{
    switch (m_id) {
    case Id::CentralEuropean:
        return windows1250;
    case Id::Cyrillic:
        return windows1251;
    case Id::Western:
        break;
    }
    return windows1252;
}

bool CodePage::holds(char32_t codePoint) const
{
    if (codePoint < 0x80)
        return true;
    const char16_t *upper = upperHalf();
    return codePoint <= 0xFFFF && std::find(upper, upper + 128, char16_t(codePoint)) != upper + 128;
}

std::optional<char32_t> CodePage::firstUnencodable(QStringView text) const
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!c.isSurrogate() && holds(c.unicode()))
            continue;
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            return QChar::surrogateToUcs4(c, text[i + 1]);
        return c.unicode();
    }
    return std::nullopt;
}

QByteArray CodePage::encode(QStringView text) const
{
    const char16_t *upper = upperHalf();
    QByteArray bytes(text.size(), Qt::Uninitialized);
    std::ranges::transform(text, bytes.begin(), [upper](QChar c) {
        const char16_t u = c.unicode();
        return u < 0x80 ? char(u) : char(0x80 + (std::find(upper, upper + 128, u) - upper));
    });
    return bytes;
}

QString CodePage::decode(QByteArrayView bytes) const
{
    const char16_t *upper = upperHalf();
    QString text(bytes.size(), Qt::Uninitialized);
    std::ranges::transform(bytes, text.begin(), [upper](char byte) {
        const uchar b = uchar(byte);
        return QChar(b < 0x80 ? char16_t(b) : upper[b - 0x80]);
    });
    return text;
}

QString CodePage::respelled(QStringView text) const
{
    QString spelt;
    spelt.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!c.isSurrogate() && holds(c.unicode())) {
            spelt += c;
            continue;
        }
        const bool pair
            = c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QStringView character = text.sliced(i, pair ? 2 : 1);
        std::optional<QString> latin;
        if (!pair) {
            const QChar lower = c.toLower();
            latin = spelling(cyrillicSpellings, lower.unicode());
            if (latin && !latin->isEmpty() && c != lower) {
                // Щука is Shchuka, ЩИТ is SHCHIT.
                const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
                const bool capitals
                    = next.isUpper() || (!next.isLetter() && i > 0 && text[i - 1].isUpper());
                *latin = capitals ? latin->toUpper() : latin->at(0).toUpper() + latin->sliced(1);
            }
            if (!latin)
                latin = spelling(latinSpellings, c.unicode());
        }
        // ễ is e with its marks, ĳ is i and j, a bold 𝐀 is A.
        if (!latin) {
            latin.emplace();
            for (const QChar part :
                character.toString().normalized(QString::NormalizationForm_KD)) {
                if (!part.isMark())
                    *latin += part;
            }
        }
        // The character of a color code stays one character.
        if (i > 0 && text[i - 1] == u'^')
            *latin = latin->left(1);
        if (!firstUnencodable(*latin))
            spelt += *latin;
        i += character.size() - 1;
    }
    return spelt;
}
