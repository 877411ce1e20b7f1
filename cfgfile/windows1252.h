// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef WINDOWS1252_H
#define WINDOWS1252_H

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// Windows-1252, the character set the games read scripts in. The program encodes it itself: Qt
// knows it only through ICU, which builds for Windows usually lack.
namespace Windows1252 {

// The first code point that Windows-1252 cannot hold; a lone surrogate counts as one.
std::optional<char32_t> firstUnencodable(QStringView text);

// The bytes of text, which must hold no character that firstUnencodable() finds.
QByteArray encode(QStringView text);

// The text of bytes: every byte has its character, so encoding it gives the same bytes again.
QString decode(QByteArrayView bytes);

} // namespace Windows1252

#endif // WINDOWS1252_H
