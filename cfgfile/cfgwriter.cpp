// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cfgwriter.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <bit>
#include <optional>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <unistd.h>
#endif

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// QSaveFile syncs the new file before it renames it over the old one, but the rename itself
// lives in the folder: until the folder is synced too, a power cut can bring the old script back.
// Windows' rename is journalled with the file.
void flushFolderOf(const QString &path)
{
#ifdef Q_OS_LINUX
    const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
        O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
#else
    Q_UNUSED(path)
#endif
}

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

// Copies text to out, each character as one byte and each LF as CR LF, and returns the end of
// what it wrote; out needs room for twice the text. Text in UTF-16 is narrowed, which encodes it
// only where each character is its own byte in the code page, as nearly every script is: ASCII,
// and Latin-1 from 0xA0 for a code page that shares it. The copy checks that on the way, and
// sets narrowed to false where it is not.
template <typename Char>
char *copyWithCrLf(const Char *from, const Char *to, char *out, bool sharesLatin1 = false,
    bool *narrowed = nullptr)
{
    constexpr bool narrowing = sizeof(Char) == 2;
    // Characters beyond what narrows, and the control codes where Windows-1252 differs from
    // Latin-1.
    const char16_t highBits = sharesLatin1 ? 0xff00 : 0xff80;
    const auto isUncommon
        = [highBits](char16_t c) { return (c & highBits) || (c & 0xffe0) == 0x0080; };
    bool uncommon = false;
#ifdef __SSE2__
    // Sixteen characters at a time: a block is stored whole, then from each line feed on it is
    // stored again one byte further on, after a CR. Scripts hold a line feed every dozen or two
    // characters, so a block is seldom plain.
    constexpr qsizetype block = 16;
    const auto load = [](const Char *at) {
        const auto *vectors = reinterpret_cast<const __m128i *>(at);
        if constexpr (narrowing)
            return _mm_packus_epi16(_mm_loadu_si128(vectors), _mm_loadu_si128(vectors + 1));
        else
            return _mm_loadu_si128(vectors);
    };
    const __m128i lineFeed = _mm_set1_epi8('\n');
    __m128i uncommonSeen = _mm_setzero_si128();
    // Each store of a block can run up to a block past its end, within what later blocks fill.
    while (to - from >= 2 * block) {
        if constexpr (narrowing) {
            const auto *vectors = reinterpret_cast<const __m128i *>(from);
            for (const __m128i characters :
                { _mm_loadu_si128(vectors), _mm_loadu_si128(vectors + 1) }) {
                const __m128i high = _mm_and_si128(characters, _mm_set1_epi16(short(highBits)));
                const __m128i controls
                    = _mm_cmpeq_epi16(_mm_and_si128(characters, _mm_set1_epi16(short(0xffe0))),
                        _mm_set1_epi16(0x0080));
                uncommonSeen = _mm_or_si128(uncommonSeen, _mm_or_si128(high, controls));
            }
        }
        const __m128i bytes = load(from);
        unsigned lineFeeds = _mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lineFeed));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out), bytes);
        while (lineFeeds) {
            const int at = std::countr_zero(lineFeeds);
            lineFeeds &= lineFeeds - 1;
            out[at] = '\r';
            ++out;
            _mm_storeu_si128(reinterpret_cast<__m128i *>(out + at), load(from + at));
        }
        from += block;
        out += block;
    }
    uncommon = _mm_movemask_epi8(_mm_cmpeq_epi8(uncommonSeen, _mm_setzero_si128())) != 0xffff;
#endif
    for (; from != to; ++from) {
        if constexpr (narrowing)
            uncommon |= isUncommon(*from);
        if (*from == '\n')
            *out++ = '\r';
        *out++ = char(*from);
    }
    if (narrowed)
        *narrowed = !uncommon;
    return out;
}

// Writes the script in the code page with each LF as CR LF, and one CR LF after it, a piece at a
// time: large writes keep the file system's work per call low, while a bounded buffer spares a
// copy of a large script. A piece that does not narrow is encoded again, character by
// character. Fails on a write that fails, or on a character the code page lacks, which it names
// in unencodable. head, when given, gets the first piece's first headCharacters bytes, decoded.
bool writeScript(QIODevice &file, QStringView script, CodePage codePage,
    std::optional<char32_t> *unencodable, QString *head, qsizetype headCharacters)
{
    constexpr qsizetype chunk = CfgWriter::chunkCharacters;
    QByteArray buffer(2 * std::min(script.size(), chunk) + 2, Qt::Uninitialized);
    qsizetype from = 0;
    do {
        qsizetype to = std::min(script.size(), from + chunk);
        // A surrogate pair stays in one piece, so that a refused character is named whole.
        if (to < script.size() && script[to - 1].isHighSurrogate())
            --to;
        const QStringView piece = script.sliced(from, to - from);
        bool narrowed = true;
        char *out = copyWithCrLf(piece.utf16(), piece.utf16() + piece.size(), buffer.data(),
            codePage.sharesLatin1(), &narrowed);
        if (!narrowed) {
            if ((*unencodable = codePage.firstUnencodable(piece)))
                return false;
            // LF is one byte in each code page, so line ends can be widened after encoding.
            const QByteArray encoded = codePage.encode(piece);
            out = copyWithCrLf(encoded.cbegin(), encoded.cend(), buffer.data());
        }
        from = to;
        if (from == script.size()) {
            *out++ = '\r';
            *out++ = '\n';
        }
        // The bytes the game reads, as it reads them, of the piece that holds the start.
        if (head && piece.data() == script.data()) {
            *head = codePage.decode(QByteArrayView(
                buffer.data(), std::min<qsizetype>(out - buffer.data(), headCharacters)));
        }
        if (!writeAll(file, buffer.data(), out - buffer.data()))
            return false;
    } while (from < script.size());
    return true;
}

QString describeUnencodable(char32_t codePoint, CodePage codePage)
{
    const QString hex
        = QStringLiteral("U+%1").arg(uint(codePoint), 4, 16, QLatin1Char('0')).toUpper();
    const QString shown = QString::fromUcs4(&codePoint, 1);
    const bool printable = QChar::isPrint(codePoint) && !QChar::isSurrogate(codePoint);
    const QString character
        = printable ? QStringLiteral("\u201c%1\u201d (%2)").arg(shown, hex) : hex;
    return CfgWriter::tr(
        "The text holds the character %1, which a script cannot hold: this edition of the game "
        "reads scripts in %2. Nothing was saved; replace that character and save again.")
        .arg(character, codePage.name());
}

} // namespace

bool CfgWriter::write(const QString &path, const TextSource &takeText, CodePage codePage,
    QString *errorString, QString *head, qsizetype headCharacters)
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
    std::optional<char32_t> unencodable;
    const bool written = writeScript(file, script, codePage, &unencodable, head, headCharacters);
    if (unencodable) {
        file.cancelWriting();
        *errorString = describeUnencodable(*unencodable, codePage);
        return false;
    }
    if (written && file.error() == QFileDevice::NoError && file.commit()) {
        flushFolderOf(path);
        return true;
    }
    *errorString = file.error() == QFileDevice::NoError
        ? tr("The script could not be written completely.")
        : file.errorString();
    return false;
}
