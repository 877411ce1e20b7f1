#include "cfgwriter.h"

#include "windows1252.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <algorithm>

namespace {

QString tr(const char *text) { return QCoreApplication::translate("CfgWriter", text); }

// Writes all of data, or fails with the reason in the file's errorString(). A write that the
// system cuts short is repeated for the rest, so that the failure, say of a full disk, reports
// its cause.
bool writeAll(QIODevice &file, const char *data, qsizetype size)
{
    while (size > 0) {
        const qint64 written = file.write(data, size);
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

// Writes encoded text with each LF as CR LF, and one CR LF after it. Text common to Latin-1 is
// narrowed on the way. Large writes keep the file system's work per call low, while a bounded
// buffer spares a second copy of a large script.
template <typename Char> bool writeWithCrLf(QIODevice &file, const Char *text, qsizetype size)
{
    constexpr qsizetype chunk = CfgWriter::chunkCharacters;
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
        if (!writeAll(file, buffer.data(), out - buffer.data()))
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
    // Unbuffered, so that every write fails where it is checked. A buffered file writes its last
    // piece only as commit() closes it, and commit() then ignores a failure, such as a full
    // disk, and puts the cut file in place of the old script.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *errorString = file.errorString();
        return false;
    }

    const QString script = takeText();
    bool written = false;
    if (Windows1252::isNarrowable(script)) {
        written = writeWithCrLf(file, script.utf16(), script.size());
    } else if (const auto unencodable = Windows1252::firstUnencodable(script)) {
        file.cancelWriting();
        *errorString = describeUnencodable(*unencodable);
        return false;
    } else {
        // LF is one byte in Windows-1252, so line ends can be widened after encoding.
        const QByteArray encoded = Windows1252::encode(script);
        written = writeWithCrLf(file, encoded.constData(), encoded.size());
    }

    if (written && file.error() == QFileDevice::NoError && file.commit())
        return true;
    *errorString = file.error() == QFileDevice::NoError
        ? tr("The script could not be written completely.")
        : file.errorString();
    return false;
}
