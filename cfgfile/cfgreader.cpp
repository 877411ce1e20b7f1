// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cfgreader.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Control codes other than tab and line ends do not occur in text.
bool isText(char byte)
{
    const uchar b = uchar(byte);
    return b >= 0x20 || b == '\t' || b == '\n' || b == '\r';
}

} // namespace

std::optional<QString> CfgReader::read(const QString &path, CodePage codePage, QString *errorString)
{
    // Opening a pipe waits for a writer, and a device such as /dev/zero never ends: only a
    // regular file is opened at all.
    const QFileInfo info(path);
    if (info.isDir()) {
        *errorString = tr("It is a folder, not a script.");
        return std::nullopt;
    }
    const auto notAFile = [errorString] {
        *errorString = tr("It is not a file but a pipe, a device or a socket; scripts are files.");
        return std::nullopt;
    };
    if (info.exists() && !info.isFile())
        return notAFile();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *errorString = file.errorString();
        return std::nullopt;
    }
    if (file.isSequential())
        return notAFile();
    const auto tooLarge = [errorString](qint64 bytes) {
        *errorString = tr("The file is %1 MiB, far larger than any script (the games read at "
                          "most 64 KiB of one).")
                           .arg(bytes / (1024 * 1024));
        return std::nullopt;
    };
    if (file.size() > largestFile)
        return tooLarge(file.size());
    // A file that grows while it is read is read no further than the limit.
    const QByteArray bytes = file.read(largestFile + 1);
    if (file.error() != QFileDevice::NoError) {
        *errorString = tr("Reading stopped partway: %1").arg(file.errorString());
        return std::nullopt;
    }
    if (bytes.size() > largestFile)
        return tooLarge(bytes.size());
    if (const auto binary = std::ranges::find_if_not(bytes, isText); binary != bytes.end()) {
        *errorString = tr("This is not a script: it holds the byte 0x%1 at offset %2, which "
                          "text does not hold.")
                           .arg(uchar(*binary), 2, 16, QLatin1Char('0'))
                           .arg(binary - bytes.begin());
        return std::nullopt;
    }
    return codePage.decode(bytes);
}

QString CfgReader::editorText(QStringView fileText)
{
    QString text = fileText.toString();
    text.replace(u"\r\n"_s, u"\n"_s);
    text.replace(u'\r', u'\n');
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

bool CfgReader::isSavedAsUtf8(QStringView fileText, CodePage codePage)
{
    if (std::ranges::all_of(fileText, [](QChar c) { return c.unicode() < 0x80; }))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // Decoding is what tells whether the bytes are UTF-8; the text itself is not needed here.
    [[maybe_unused]] const QString decoded = utf8(codePage.encode(fileText));
    return !utf8.hasError();
}

QString CfgReader::fromUtf8(QStringView fileText, CodePage codePage)
{
    return QString::fromUtf8(codePage.encode(fileText));
}
