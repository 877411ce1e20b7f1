// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cfgreader.h"

#include "windows1252.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace {

// Far beyond any script: the game reads 64 KiB of one.
constexpr qint64 largestFile = 64 * 1024 * 1024;

// Control codes other than tab and line ends do not occur in text.
bool isText(char byte)
{
    const uchar b = uchar(byte);
    return b >= 0x20 || b == '\t' || b == '\n' || b == '\r';
}

} // namespace

std::optional<QString> CfgReader::read(const QString &path, QString *errorString)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *errorString = file.errorString();
        return std::nullopt;
    }
    if (file.size() > largestFile) {
        *errorString = tr("The file is %1 MiB, far larger than any script.")
                           .arg(file.size() / (1024 * 1024));
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *errorString = file.errorString();
        return std::nullopt;
    }
    if (const auto binary = std::ranges::find_if_not(bytes, isText); binary != bytes.end()) {
        *errorString = tr("This is not a script: it holds the byte 0x%1 at offset %2, which "
                          "text does not hold.")
                           .arg(uchar(*binary), 2, 16, QLatin1Char('0'))
                           .arg(binary - bytes.begin());
        return std::nullopt;
    }
    return Windows1252::decode(bytes);
}

QString CfgReader::editorText(QStringView fileText)
{
    QString text = fileText.toString();
    text.replace(u"\r\n"_qs, u"\n"_qs);
    text.replace(u'\r', u'\n');
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

bool CfgReader::isSavedAsUtf8(QStringView fileText)
{
    if (std::ranges::all_of(fileText, [](QChar c) { return c.unicode() < 0x80; }))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // Decoding is what tells whether the bytes are UTF-8; the text itself is not needed here.
    QString(utf8(Windows1252::encode(fileText)));
    return !utf8.hasError();
}

QString CfgReader::fromUtf8(QStringView fileText)
{
    return QString::fromUtf8(Windows1252::encode(fileText));
}
