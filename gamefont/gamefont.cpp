// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamefont.h"

#include "gamearchives.h"
#include "iwiimage.h"

#include <QtEndian>

#include <cmath>

namespace {

constexpr qsizetype fontHeaderSize = 16;
constexpr qsizetype glyphSize = 24;
// The printable ASCII glyphs come first, one for each letter from the space on: the engine
// takes them by place, so a font needs all of them.
constexpr uint firstLetter = 0x20;
constexpr int asciiGlyphs = 0x60;
// The glyph the engine draws for a letter its font lacks: the period's.
constexpr int missingGlyph = '.' - firstLetter;

// A font's or a material's files are a few kilobytes; its image at most a few megabytes.
constexpr qint64 maxFontBytes = 1 << 20;
constexpr qint64 maxImageBytes = 32 << 20;

qint32 int32At(QByteArrayView file, qsizetype at)
{
    return qFromLittleEndian<qint32>(file.data() + at);
}

// The NUL-terminated string at offset, or nothing when it runs past the file.
std::optional<QString> stringAt(QByteArrayView file, qint64 offset)
{
    if (offset < 0 || offset >= file.size())
        return std::nullopt;
    const QByteArrayView rest = file.sliced(offset);
    const qsizetype end = rest.indexOf('\0');
    if (end < 0)
        return std::nullopt;
    return QString::fromLatin1(rest.first(end));
}

} // namespace

std::optional<GameFont> GameFont::parse(QByteArrayView file)
{
    if (file.size() < fontHeaderSize)
        return std::nullopt;
    GameFont font;
    font.m_pixelHeight = int32At(file, 4);
    const qint64 glyphCount = int32At(file, 8);
    const std::optional<QString> material = stringAt(file, int32At(file, 12));
    if (font.m_pixelHeight < 1 || font.m_pixelHeight > 255 || glyphCount < asciiGlyphs
        || glyphCount > (file.size() - fontHeaderSize) / glyphSize || !material
        || material->isEmpty())
        return std::nullopt;
    font.m_material = *material;
    font.m_glyphs.reserve(glyphCount);
    for (qint64 i = 0; i < glyphCount; ++i) {
        const auto *p
            = reinterpret_cast<const uchar *>(file.data()) + fontHeaderSize + i * glyphSize;
        float st[4];
        for (int k = 0; k < 4; ++k) {
            st[k] = qFromLittleEndian<float>(p + 8 + 4 * k);
            if (!std::isfinite(st[k]))
                return std::nullopt;
        }
        font.m_glyphs.append({ qFromLittleEndian<quint16>(p), qint8(p[2]), qint8(p[3]), qint8(p[4]),
            p[5], p[6], QRectF(QPointF(st[0], st[1]), QPointF(st[2], st[3])) });
    }
    return font;
}

QString GameFont::materialImage(QByteArrayView file)
{
    // The material's header is 68 bytes: 44 of MaterialInfo, the two state words, the texture
    // and constant counts, then the offsets of the technique set, textures and constants.
    // Each texture is 12 bytes: the offset of its name, its sampler state, its semantic, two
    // unused bytes and the offset of its image's name.
    constexpr qsizetype headerSize = 68;
    constexpr qsizetype textureSize = 12;
    constexpr int colorSemantic = 2;
    if (file.size() < headerSize)
        return {};
    const int textureCount = qFromLittleEndian<qint16>(file.data() + 52);
    const qint64 textures = int32At(file, 60);
    if (textureCount < 1 || textures < 0 || textures + textureCount * textureSize > file.size())
        return {};
    qint64 chosen = textures;
    for (int i = 0; i < textureCount; ++i) {
        const qint64 at = textures + i * textureSize;
        if (file[at + 5] == colorSemantic) {
            chosen = at;
            break;
        }
    }
    return stringAt(file, int32At(file, chosen + 8)).value_or(QString());
}

std::optional<GameFont> GameFont::load(const GameArchives &archives, const QString &path)
{
    const std::optional<QByteArray> fontFile = archives.read(path, maxFontBytes);
    std::optional<GameFont> font = fontFile ? parse(*fontFile) : std::nullopt;
    if (!font)
        return std::nullopt;
    // The engine's paths: Material_Load reads materials/NAME, Image_LoadFromFile
    // images/NAME.iwi.
    const std::optional<QByteArray> material
        = archives.read(QStringLiteral("materials/") + font->m_material, maxFontBytes);
    const QString image = material ? materialImage(*material) : QString();
    if (image.isEmpty())
        return std::nullopt;
    const std::optional<QByteArray> imageFile
        = archives.read(QStringLiteral("images/") + image + QStringLiteral(".iwi"), maxImageBytes);
    if (!imageFile)
        return std::nullopt;
    font->m_image = IwiImage::decode(*imageFile);
    if (font->m_image.isNull())
        return std::nullopt;
    return font;
}

const GameFont::Glyph *GameFont::find(uint letter) const
{
    if (letter - firstLetter < uint(asciiGlyphs))
        return &m_glyphs[letter - firstLetter];
    // The others follow sorted by letter: R_GetCharacterGlyph's binary search over them.
    const auto begin = m_glyphs.cbegin() + asciiGlyphs;
    const auto found = std::lower_bound(begin, m_glyphs.cend(), letter,
        [](const Glyph &glyph, uint letter) { return glyph.letter < letter; });
    return found != m_glyphs.cend() && found->letter == letter ? &*found : nullptr;
}

const GameFont::Glyph &GameFont::glyph(uint letter) const
{
    const Glyph *found = find(letter);
    return found ? *found : m_glyphs[missingGlyph];
}
