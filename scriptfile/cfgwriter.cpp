#include "cfgwriter.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QStringEncoder>

#include <algorithm>
#include <optional>

namespace {

const char scriptEncoding[] = "windows-1252";

QString tr(const char *text) { return QCoreApplication::translate("CfgWriter", text); }

// The first code point of text that the script's character set cannot hold; a lone surrogate
// counts as one, since no character set can hold it.
std::optional<char32_t> firstUnencodable(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        qsizetype length = 1;
        char32_t codePoint = c.unicode();
        if (c.isSurrogate()) {
            if (!c.isHighSurrogate() || i + 1 == text.size() || !text.at(i + 1).isLowSurrogate())
                return codePoint;
            codePoint = QChar::surrogateToUcs4(c, text.at(i + 1));
            length = 2;
        }
        QStringEncoder encoder(scriptEncoding);
        const QByteArray encoded = encoder.encode(QStringView(text).sliced(i, length));
        if (encoder.hasError())
            return codePoint;
        i += length - 1;
    }
    return std::nullopt;
}

// Windows-1252 agrees with Latin-1 except from 0x80 to 0x9F, where it holds € “ ” and others in
// place of control codes. Nearly every script stays within the common part, where encoding is
// narrowing each character, many times faster than the full character set converter.
bool isCommonToLatin1(QStringView text)
{
    // Plain bit operations over the whole text, so that the compiler can vectorize the loop.
    const char16_t *characters = text.utf16();
    char16_t beyondLatin1 = 0;
    char16_t controlCode = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        beyondLatin1 |= characters[i] & 0xff00;
        controlCode |= char16_t((characters[i] & 0xffe0) == 0x0080);
    }
    return !(beyondLatin1 | controlCode);
}

// Writes encoded text with each LF as CR LF, and one CR LF after it. Text common to Latin-1 is
// narrowed on the way. Large writes keep the file system's work per call low, while a bounded
// buffer spares a second copy of a large script.
template <typename Char> bool writeWithCrLf(QIODevice &file, const Char *text, qsizetype size)
{
    constexpr qsizetype chunk = 512 * 1024; // characters; each takes at most two bytes
    QByteArray buffer(2 * std::min(size, chunk) + 2, Qt::Uninitialized);
    qsizetype from = 0;
    do {
        char *out = buffer.data();
        const Char *const end = text + std::min(size, from + chunk);
        for (const Char *c = text + from; c != end; ++c) {
            if (*c == '\n')
                *out++ = '\r';
            *out++ = char(*c);
        }
        from += chunk;
        if (from >= size) {
            *out++ = '\r';
            *out++ = '\n';
        }
        const qsizetype length = out - buffer.data();
        if (file.write(buffer.data(), length) != length)
            return false;
    } while (from < size);
    return true;
}

QString describeUnencodable(char32_t codePoint)
{
    const QString hex
        = QStringLiteral("U+%1").arg(uint(codePoint), 4, 16, QLatin1Char('0')).toUpper();
    const QString shown = QString::fromUcs4(&codePoint, 1);
    const bool printable = QChar::isPrint(codePoint) && !QChar::isSurrogate(codePoint);
    const QString character
        = printable ? QStringLiteral("\u201c%1\u201d (%2)").arg(shown, hex) : hex;
    return tr("The text holds the character %1, which a script cannot hold: the games read "
              "scripts in Windows-1252. Nothing was saved; replace that character and save again.")
        .arg(character);
}

} // namespace

bool CfgWriter::write(const QString &path, const TextSource &takeText, QString *errorString)
{
    // QSaveFile opens an empty name and fails only at commit, after the text was taken.
    if (path.isEmpty()) {
        *errorString = tr("No file name was given.");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *errorString = file.errorString();
        return false;
    }

    const QString script = takeText();
    bool written = false;
    if (isCommonToLatin1(script)) {
        written = writeWithCrLf(file, script.utf16(), script.size());
    } else {
        QStringEncoder encoder(scriptEncoding, QStringConverter::Flag::Stateless);
        const QByteArray encoded = encoder.encode(script);
        if (encoder.hasError() || !script.isValidUtf16()) {
            file.cancelWriting();
            *errorString = describeUnencodable(
                firstUnencodable(script).value_or(QChar::ReplacementCharacter));
            return false;
        }
        // LF is one byte in Windows-1252, so line ends can be widened after encoding.
        written = writeWithCrLf(file, encoded.constData(), encoded.size());
    }

    if (!written || !file.commit()) {
        *errorString = file.errorString();
        return false;
    }
    return true;
}
