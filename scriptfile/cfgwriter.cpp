#include "cfgwriter.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QStringEncoder>

#include <cstring>
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
// place of control codes. Nearly every script stays within the common part, which Qt's Latin-1
// conversion encodes many times faster than the full character set converter.
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

// The encoded text with each LF as CR LF, and one CR LF after it.
QByteArray withCrLfLineEnds(const QByteArray &lfText)
{
    QByteArray bytes(lfText.size() + lfText.count('\n') + 2, Qt::Uninitialized);
    char *out = bytes.data();
    const char *line = lfText.cbegin();
    const char *const end = lfText.cend();
    while (const auto *lf = static_cast<const char *>(std::memchr(line, '\n', end - line))) {
        out = std::copy(line, lf, out);
        *out++ = '\r';
        *out++ = '\n';
        line = lf + 1;
    }
    out = std::copy(line, end, out);
    *out++ = '\r';
    *out = '\n';
    return bytes;
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
    QByteArray encoded;
    if (isCommonToLatin1(script)) {
        encoded = script.toLatin1();
    } else {
        QStringEncoder encoder(scriptEncoding, QStringConverter::Flag::Stateless);
        encoded = encoder.encode(script);
        if (encoder.hasError() || !script.isValidUtf16()) {
            file.cancelWriting();
            *errorString = describeUnencodable(
                firstUnencodable(script).value_or(QChar::ReplacementCharacter));
            return false;
        }
    }
    // LF is a single byte in Windows-1252, so line ends can be widened after encoding.
    const QByteArray bytes = withCrLfLineEnds(encoded);

    if (file.write(bytes) != bytes.size() || !file.commit()) {
        *errorString = file.errorString();
        return false;
    }
    return true;
}
